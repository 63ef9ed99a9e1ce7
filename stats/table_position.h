// A position met at a four-player table, as the state the review rates.
//
// The player sees only the hand, the indicators and what others showed, so the wall of the
// state is every tile not seen, and the pool of the search counts them: the unseen tiles at
// the next draw are exactly those. A four-player game gives each player fewer draws than the
// solo game, so the position is searched as at the turn that leaves the same draws to come.
#pragma once

#include <optional>
#include <vector>

#include "core/kyoku_state.h"

namespace mizaro {

struct TablePosition {
    TileCounts hand{};  // the 14 tiles after the draw
    TileKind drawn = kNoTile;
    TileCounts unseen{};  // by kind, the tiles the player has not seen
    int drawsLeft = 0;    // the player's own draws still to come after this one
    TileKind roundWind = kEast;
    TileKind seatWind = kEast;  // the dealer sits East
    std::vector<TileKind> doraIndicators;
};

// Nothing when the position cannot be one: a hand of other than 14 tiles, the drawn tile not
// held, more than four of a kind in view, a wind that is none, no indicator or more than five,
// a negative count of draws.
std::optional<KyokuState> TableState(const TablePosition& position);

}  // namespace mizaro
