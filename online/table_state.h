// A position met at a four-player table, as the state the review rates.
//
// The player sees only the hand, the indicators and what others showed, so the wall of the
// state is every tile not seen, and the pool of the search counts them: the unseen tiles at
// the next draw are exactly those. A four-player game gives each player fewer draws than the
// solo game, so the position is searched as at the turn that leaves the same draws to come.
#pragma once

#include <optional>

#include "core/kyoku_state.h"
#include "online/table_position.h"

namespace mizaro {

// The state the review rates: the dealer is the East seat. Nothing when the position cannot be
// one: a hand of other than 14 tiles, the drawn tile not held, more than four of a kind in
// view, a wind that is none, no indicator or more than five, a negative count of draws.
std::optional<KyokuState> TableState(const TablePosition& position);

}  // namespace mizaro
