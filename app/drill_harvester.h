// DrillHarvester: the drill's harvest of a user's new games on a thread of its own, so that the
// player goes on playing meanwhile.
//
// The worker reads only the copy of the log it was given and writes only its outcome; the
// thread that started it polls the progress and collects the outcome once the worker has
// ended, and merges it into the deck itself.
#pragma once

#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "stats/drill_harvest.h"
#include "stats/game_record.h"

namespace mizaro {

class DrillHarvester {
  public:
    struct Outcome {
        HarvestResult result;
        std::vector<GameRecord> log;  // the copy that was harvested, for DrillDeck::AddHarvest
        int firstGame = 0;
    };

    DrillHarvester() = default;
    ~DrillHarvester() { Stop(); }
    DrillHarvester(const DrillHarvester&) = delete;
    DrillHarvester& operator=(const DrillHarvester&) = delete;

    // Starts reviewing the games of `log` from `firstGame` on; false (nothing started) while
    // an earlier harvest is not collected yet, or when there is no game to review.
    bool Start(std::vector<GameRecord> log, int firstGame, int jobs = 1);
    // A harvest was started and is not collected yet.
    bool busy() const { return worker_.joinable(); }
    int done() const { return done_.load(std::memory_order_relaxed); }
    int total() const { return total_.load(std::memory_order_relaxed); }
    // The outcome once the worker has ended; nothing while it runs or when none was started.
    std::optional<Outcome> Collect();
    // Asks the worker to end after the games under way, waits for it and hands what it
    // finished: its games form a leading run, so a later harvest resumes after them.
    std::optional<Outcome> Stop();

  private:
    std::thread worker_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> ended_{false};
    std::atomic<int> done_{0};
    std::atomic<int> total_{0};
    Outcome outcome_;  // the worker's until it ends; joining hands it back
};

}  // namespace mizaro
