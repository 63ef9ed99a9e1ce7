// The replay of recorded games, one search per riichi game, spread over worker threads.
#include <algorithm>
#include <array>
#include <cstdio>
#include <thread>

#include "analysis/nanikiru_search.h"
#include "stats/detail_analysis.h"

namespace mizaro {

namespace {

// Any value but kNoTile keeps EvaluateWin from turning over an ura-dora indicator of its own:
// a riichi win recorded without one is scored without ura-dora, so the replay never depends
// on chance (nor on the thread that runs it).
constexpr TileKind kNoUraTurned = kKinds;

enum class Slot : char { kPending, kReplayed, kSkipped };

constexpr int kGamesATake = 16;

}  // namespace

bool DetailAnalysis::Replay(ReplayedGame& g) {
    std::unique_ptr<SearchCache> memo;
    return Replay(g, memo);
}

bool DetailAnalysis::Replay(ReplayedGame& g, std::unique_ptr<SearchCache>& memo) {
    const GameRecord r = g.record;
    g = ReplayedGame{};
    g.record = r;
    if (!r.IsReplayable()) return false;

    KyokuState s;  // Normal mode: every kind of the record is in the wall
    for (TileKind k : r.dealt) s.DrawKind(k);
    s.AddDoraIndicator(r.doraIndicator);

    int won = 0;
    for (int t = 1; t <= kMaxTurns; ++t) {
        if (!s.DrawKind(r.draws[t - 1])) break;  // a record of a game that ended early
        const int v = s.Shanten();
        g.shantenAt[t] = v;
        if (v == -1) {
            won = t;
            break;
        }
        if (v == 0 && g.readyTurn == 0) g.readyTurn = t;
        const bool riichiNow = t == r.reachTurn;
        if (riichiNow) g.reachTurn = t;
        s.Discard(r.discards[t - 1], riichiNow);
        if (!riichiNow) continue;
        int n = 0;
        for (TileKind k = 0; k < kKinds; ++k)
            for (int c = 0; c < s.hand[k] && n < kDealtTiles; ++c) g.reachHand[n++] = k;
        NanikiruSearch search(s, true, true, 0);
        search.AdoptCache(std::move(memo));
        search.Search(false);
        g.reachEv = TurnValue(search.ev(), t + 1);
        memo = search.ReleaseCache();
    }
    if (won == 0) return true;

    if (r.uraIndicator != kNoTile) {
        s.AddDoraIndicator(r.uraIndicator);
        s.uraIndicator = r.uraIndicator;
    } else {
        s.uraIndicator = kNoUraTurned;
    }
    g.points = s.EvaluateWin(false, false);
    g.winTurn = won;
    g.winTile = r.draws[won - 1];
    for (YakuId k = 0; k < kYakuCount; ++k) g.yakuHan[k] = s.result.han.GetHan(k);
    return true;
}

void DetailAnalysis::ReplayAll(const std::vector<GameRecord>& records, int jobs) {
    games.clear();
    selected.clear();
    skipped = 0;
    progress = 0;
    SetProgressText("");

    const int n = static_cast<int>(records.size());
    // Each game and its mark are written by the one thread that took its index, and read
    // only after every thread has been joined.
    games.resize(n);
    std::vector<Slot> marks(n, Slot::kPending);
    std::atomic<int> next{0};
    std::atomic<int> finished{0};

    // A thread takes a few games at a time: a game replays in microseconds, and the shared
    // counters (and the marks side by side) would otherwise pass between the cores at every
    // game. A stop is still seen before each game.
    auto work = [&] {
        std::unique_ptr<SearchCache> memo;
        for (;;) {
            const int first = next.fetch_add(kGamesATake);
            if (first >= n) return;
            const int end = std::min(n, first + kGamesATake);
            ReportStart(first, n);
            // The marks of a take are written together at its end: the other thread's take
            // may share their cache line.
            std::array<Slot, kGamesATake> taken;
            int done = 0;
            for (int i = first; i < end && !cancelRequested.load(); ++i, ++done) {
                games[i].record = records[i];
                games[i].record.Decode();
                taken[done] = Replay(games[i], memo) ? Slot::kReplayed : Slot::kSkipped;
            }
            std::copy_n(taken.begin(), done, marks.begin() + first);
            if (first + done < end) return;  // stopped
            ReportFinished(finished.fetch_add(done) + done, n);
        }
    };
    const int threads = std::clamp(jobs, 1, std::max(1, n));
    std::vector<std::thread> helpers;
    for (int j = 1; j < threads; ++j) helpers.emplace_back(work);
    work();
    for (std::thread& h : helpers) h.join();

    // Kept in place, in record order, so that no second copy of every game is made.
    std::size_t kept = 0;
    for (int i = 0; i < n; ++i) {
        if (marks[i] == Slot::kReplayed) {
            if (kept != static_cast<std::size_t>(i)) games[kept] = std::move(games[i]);
            ++kept;
        }
        if (marks[i] == Slot::kSkipped) ++skipped;
    }
    games.resize(kept);
}

std::string DetailAnalysis::ProgressText() const {
    std::lock_guard<std::mutex> lock(textLock_);
    return progressText_;
}

void DetailAnalysis::SetProgressText(std::string text) {
    std::lock_guard<std::mutex> lock(textLock_);
    progressText_ = std::move(text);
}

void DetailAnalysis::ReportStart(int index, int count) {
    char text[32];
    std::snprintf(text, sizeof text, " %d / %d", index + 1, count);
    SetProgressText(text);
}

void DetailAnalysis::ReportFinished(int finished, int count) {
    const int share = static_cast<int>(static_cast<long long>(finished) * kProgressScale / count);
    // Threads finish out of order; the bar only ever moves forward.
    int shown = progress.load();
    while (shown < share && !progress.compare_exchange_weak(shown, share)) {
    }
    if (onProgress) onProgress();
}

}  // namespace mizaro
