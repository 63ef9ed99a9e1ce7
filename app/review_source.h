// Which games the review can take: the game on the table as far as it has been played, or a
// recorded game of the current user counted from the latest.
#pragma once

#include <optional>

#include "app/game_flow.h"
#include "stats/game_record.h"
#include "stats/stat_summary.h"

namespace mizaro {

// The record of the game on the table with the game's own riichi turn (the flow writes that
// into the record only when the game ends). None when the table does not show the game its
// record follows: a loaded or edited position, or a game the simulation is playing.
std::optional<GameRecord> GameInProgress(const GameFlow& flow);

// Whether the game on the table has a discard to review yet.
bool HasGameInProgress(const GameFlow& flow);

// Recorded game `n` of the summary, 1 the latest, decoded; none outside 1..N.
std::optional<GameRecord> RecordedGame(const StatSummary& stats, int n);

}  // namespace mizaro
