#include "app/simulation_batch.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "app/simulation.h"
#include "core/random.h"

namespace mizaro {

namespace {

// Games played between two hand-backs: enough to keep every thread busy, few enough that the
// finished games of a long run need little memory.
constexpr int kGamesPerJob = 256;
constexpr int kMaxJobs = 256;

struct FinishedSlot {
    KyokuState state;
    GameRecord record;
};

}  // namespace

bool PlaySimulationBatch(const SimulationBatch& batch, const FinishedGame& finished) {
    if (batch.games < 0 || batch.level < 1 || batch.level > 3 || batch.mode < kModeNormal ||
        batch.mode > kModeKokushi || batch.jobs < 1 || batch.jobs > kMaxJobs)
        return false;
    const int chunk = kGamesPerJob * batch.jobs;
    std::vector<FinishedSlot> slots(static_cast<std::size_t>(std::min(chunk, batch.games)));
    for (int first = 0; first < batch.games; first += chunk) {
        const int count = std::min(chunk, batch.games - first);
        std::atomic<int> next{0};
        auto play = [&] {
            for (int i = next.fetch_add(1); i < count; i = next.fetch_add(1)) {
                FinishedSlot& slot = slots[static_cast<std::size_t>(i)];
                SeedThreadRandom(GameSeed(batch.seed, static_cast<std::uint64_t>(first + i)));
                slot.state.mode = batch.mode;
                slot.state.simLevel = batch.level;
                PlayComputerGame(slot.state, slot.record);
            }
        };
        std::vector<std::thread> helpers;
        for (int j = 1; j < batch.jobs; ++j) helpers.emplace_back(play);
        play();
        for (std::thread& t : helpers) t.join();
        for (int i = 0; i < count; ++i) {
            const FinishedSlot& slot = slots[static_cast<std::size_t>(i)];
            finished(first + i, slot.state, slot.record);
        }
    }
    return true;
}

}  // namespace mizaro
