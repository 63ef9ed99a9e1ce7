#include "app/drill_harvester.h"

#include <span>
#include <utility>

namespace mizaro {

bool DrillHarvester::Start(std::vector<GameRecord> log, int firstGame, int jobs) {
    if (busy() || firstGame < 0 || firstGame >= static_cast<int>(log.size())) return false;
    outcome_ = Outcome{{}, std::move(log), firstGame};
    stop_.store(false);
    ended_.store(false);
    done_.store(0);
    total_.store(static_cast<int>(outcome_.log.size()) - firstGame);
    worker_ = std::thread([this, jobs] {
        const std::span<const GameRecord> games =
            std::span<const GameRecord>(outcome_.log).subspan(outcome_.firstGame);
        outcome_.result = HarvestProblems(
            games, outcome_.firstGame, {}, &stop_,
            [this](int done, int) { done_.store(done, std::memory_order_relaxed); }, jobs);
        ended_.store(true, std::memory_order_release);
    });
    return true;
}

std::optional<DrillHarvester::Outcome> DrillHarvester::Collect() {
    if (!busy() || !ended_.load(std::memory_order_acquire)) return std::nullopt;
    worker_.join();
    return std::move(outcome_);
}

std::optional<DrillHarvester::Outcome> DrillHarvester::Stop() {
    if (!busy()) return std::nullopt;
    stop_.store(true);
    worker_.join();
    return std::move(outcome_);
}

}  // namespace mizaro
