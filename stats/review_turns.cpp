#include "stats/review_turns.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <numeric>
#include <system_error>
#include <thread>

namespace mizaro {

namespace {

// The order of a turn's cost by its shanten: three from ready searches the widest tree, two
// the next, a ready hand adds the riichi analysis, one from ready is small, and a hand further
// away is only counted. Starting the costly turns first keeps one long turn from running
// alone at the end.
int CostRank(const TurnQuestion& q) {
    switch (q.position.Shanten()) {
        case 3:
            return 0;
        case 2:
            return 1;
        case 0:
            return 2;
        case 1:
            return 3;
        default:
            return 4;
    }
}

}  // namespace

RatedTurns ReviewTurns(std::span<const TurnQuestion> questions, int jobs,
                       const TurnProgress& progress, const std::atomic<bool>* stop) {
    const int total = static_cast<int>(questions.size());
    RatedTurns rated;
    rated.turns.resize(questions.size());
    std::vector<int> rank(questions.size());
    for (int i = 0; i < total; ++i) rank[i] = CostRank(questions[i]);
    std::vector<int> order(questions.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&rank](int a, int b) { return rank[a] < rank[b]; });

    std::atomic<int> next{0};
    std::atomic<bool> stopped{stop != nullptr && stop->load()};
    std::mutex progressLock;
    int done = 0;
    // Each thread writes only the slots of the questions it took.
    auto work = [&] {
        for (int taken = next.fetch_add(1); taken < total && !stopped.load();
             taken = next.fetch_add(1)) {
            const TurnQuestion& q = questions[order[taken]];
            rated.turns[order[taken]] = ReviewTurn(q.position, q.discard, q.riichi, stop);
            if (stop != nullptr && stop->load()) {
                stopped.store(true);
                return;
            }
            const std::lock_guard<std::mutex> lock(progressLock);
            ++done;
            if (progress && !stopped.load() && !progress(done, total)) stopped.store(true);
        }
    };
    const int threads = std::clamp(jobs, 1, std::max(1, total));
    {
        // Joined on leaving, however this thread leaves; a thread the system refuses leaves the
        // work to those that run.
        std::vector<std::jthread> helpers;
        try {
            for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
        } catch (const std::system_error&) {
        }
        work();
    }
    rated.complete = done == total;
    return rated;
}

int ReviewJobs() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

}  // namespace mizaro
