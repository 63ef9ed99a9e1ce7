// One reading of a winning hand: its sets, where the winning tile sits, and what it scores.
#pragma once

#include <array>

#include "core/tile.h"
#include "core/yaku_han.h"

namespace mizaro {

struct AgariResult {
    YakuHan han;
    int points = 0;
    // Four sets of three kinds in the order found; a triplet holds three equal kinds, a run
    // k, k+1, k+2. Readings that are not four sets and a pair keep all zeros.
    std::array<std::array<int, 3>, 4> melds{};
    TileKind pair = 0;
    int meldCount = 0;
    int winMeld = 0;  // the set the winning tile completed, -1 for the pair
    int winPos = 0;   // its place 0..2 inside that set, -1 for the pair
    int fu = 0;
    TileKind roundWind = kEast;
    TileKind seatWind = kEast;
    bool dealer = true;
};

}  // namespace mizaro
