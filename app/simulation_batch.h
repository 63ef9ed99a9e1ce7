// Many computer games at once, for the command line: game i is played with its own generator
// seeded from (seed, i), so a run gives the same games whatever number of threads plays it, and
// the finished games are handed back in game order on the calling thread.
#pragma once

#include <cstdint>
#include <functional>

#include "core/kyoku_state.h"
#include "stats/game_record.h"

namespace mizaro {

struct SimulationBatch {
    int games = 0;
    int level = 2;  // the computer's search level 1..3
    int mode = kModeNormal;
    std::uint64_t seed = 0;
    int jobs = 1;  // threads playing side by side, the calling one included
};

// Called in game order, 0 first, on the calling thread.
using FinishedGame = std::function<void(int index, const KyokuState&, const GameRecord&)>;

// Plays the games of `batch`; false (nothing played) for a count, level, mode or job count out
// of range.
bool PlaySimulationBatch(const SimulationBatch& batch, const FinishedGame& finished);

}  // namespace mizaro
