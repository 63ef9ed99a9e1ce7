// The chance of a draw: left / (pool - k) for draw number k and `left` unseen tiles of a kind,
// where the pool is what the position says was unseen before the first draw.
//
// The search needs one quotient per drawn kind and draw number, so it reads them from a table
// holding the very same quotients. The solo game's pool is built once; any other is built per
// analysis.
#pragma once

#include <array>

#include "core/kyoku_state.h"

namespace mizaro {

inline constexpr int kTilesOfKind = 4;

struct DrawChances {
    int pool = kSoloPoolBeforeFirstDraw;  // unseen tiles at draw k: pool - k
    std::array<std::array<double, kMaxTurns + 1>, kTilesOfKind + 1> byLeft{};  // [left][k]
};

DrawChances MakeDrawChances(int poolBeforeFirstDraw);
const DrawChances& SoloDrawChances();

}  // namespace mizaro
