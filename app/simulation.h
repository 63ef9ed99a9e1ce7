// The computer's games: one game played from its deal to its end by the computer's discard
// choice, and the recording of finished games into the computer's statistics. The window's
// simulation worker and mizaro-cli play through these same functions.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "core/kyoku_state.h"
#include "stats/game_record.h"
#include "stats/stat_summary.h"

namespace mizaro {

enum class ComputerGameEnd { kWon, kExhausted, kStopped };

// What a watcher of the computer's play may do between its steps. The window repaints and
// paces the play; the command line watches nothing.
class ComputerPlayWatcher {
  public:
    virtual ~ComputerPlayWatcher() = default;
    // Asked once per turn, before the draw; true abandons the game unrecorded.
    virtual bool StopRequested() { return false; }
    // Before each turn's draw, and once after the last discard of an exhausted game.
    virtual void TurnStarting(const KyokuState&) {}
    // After each draw, before the computer looks at its hand.
    virtual void Drawn(const KyokuState&) {}
};

// Deals a new game into `state` and `record` (the mode and `simLevel` of `state` stay) and
// lets the computer play it to a win, to the end of turn 18, or to a stop. A riichi win has its
// ura-dora indicator drawn here, so every random choice of a game comes from the generator of
// the thread that plays it.
ComputerGameEnd PlayComputerGame(KyokuState& state, GameRecord& record,
                                 ComputerPlayWatcher* watcher = nullptr);

// Adds a finished game to the computer's statistics. With `simClear` > 0, a game count that
// reaches a multiple of it writes a snapshot into `snapshotDirectory`, named by the local time
// `when`, and only a snapshot that was written clears the statistics: a failed one keeps the
// games.
void RecordComputerGame(StatSummary& com, const KyokuState& state, const GameRecord& record,
                        int simClear, const std::string& snapshotDirectory,
                        std::time_t when = std::time(nullptr));

// The seed of game `index` of a run seeded with `seed`: every game has its own generator, so
// the games do not depend on how many threads share them out.
std::uint32_t GameSeed(std::uint64_t seed, std::uint64_t index);

}  // namespace mizaro
