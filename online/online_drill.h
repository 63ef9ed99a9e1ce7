// The rated turns of an imported game's review as the drill takes them: each with the state the
// review rated and where in the game the player met it.
#pragma once

#include <vector>

#include "online/online_game.h"
#include "online/online_review.h"
#include "stats/drill_import.h"

namespace mizaro {

// One TableTurn for every turn of `review` (a review of `game`), hand by hand in order.
std::vector<TableTurn> ReviewedTableTurns(const OnlineGame& game, const OnlineReview& review);

}  // namespace mizaro
