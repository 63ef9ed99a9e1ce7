#include "stats/drill_harvest.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include "stats/game_review.h"

namespace mizaro {

namespace {

constexpr double kPercent = 100.0;

struct GameProblems {
    bool done = false;
    double totalLoss = 0.0;
    std::vector<DrillProblem> problems;
};

DrillPosition PositionOf(const GameRecord& record, const TurnReview& turn) {
    DrillPosition p;
    p.mode = record.mode;
    p.turn = turn.turn;
    p.hand = turn.hand;
    p.drawn = turn.drawn;
    p.doraIndicator = record.doraIndicator;
    p.discards.assign(record.discards.begin(), record.discards.begin() + (turn.turn - 1));
    return p;
}

GameProblems HarvestGame(GameRecord record, int game, const DrillThreshold& threshold) {
    GameProblems out;
    out.done = true;
    record.Decode();
    const GameReview review = ReviewGame(record);
    if (!review.replayed) return out;
    out.totalLoss = review.totalLoss;
    for (const TurnReview& t : review.turns) {
        if (t.kind != RatingKind::kSearch || !PassesThreshold(threshold, t.loss, t.bestValue))
            continue;
        DrillProblem p;
        p.game = game;
        p.position = PositionOf(record, t);
        p.made = t.discarded;
        p.best = t.best;
        p.madeValue = t.made;
        p.bestValue = t.bestValue;
        p.loss = t.loss;
        // The review keeps only the made and the best values; the search of the same state
        // with the same settings gives every candidate's.
        KyokuState state;
        if (!BuildProblemState(p.position, state)) continue;
        p.candidates = SearchCandidates(state, p.made);
        out.problems.push_back(std::move(p));
    }
    return out;
}

}  // namespace

bool PassesThreshold(const DrillThreshold& threshold, double loss, double bestValue) {
    return loss > 0.0 && loss >= std::max(threshold.minLossPercent / kPercent * bestValue,
                                          threshold.minLossPoints);
}

HarvestResult HarvestProblems(std::span<const GameRecord> records, int firstGame,
                              const DrillThreshold& threshold, const std::atomic<bool>* stop,
                              const HarvestProgress& progress, int jobs) {
    const int total = static_cast<int>(records.size());
    std::vector<GameProblems> games(records.size());
    std::atomic<int> next{0};
    std::mutex progressLock;
    int done = 0;
    auto work = [&] {
        for (;;) {
            if (stop != nullptr && stop->load()) return;
            const int i = next.fetch_add(1);
            if (i >= total) return;
            games[i] = HarvestGame(records[i], firstGame + i, threshold);
            const std::lock_guard<std::mutex> lock(progressLock);
            ++done;
            if (progress) progress(done, total);
        }
    };
    const int threads = std::clamp(jobs, 1, std::max(1, total));
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();

    HarvestResult result;
    for (GameProblems& g : games) {
        if (!g.done) break;
        ++result.games;
        result.totalLoss += g.totalLoss;
        for (DrillProblem& p : g.problems) {
            p.id = static_cast<int>(result.problems.size());
            result.problems.push_back(std::move(p));
        }
    }
    result.stopped = result.games < total;
    return result;
}

}  // namespace mizaro
