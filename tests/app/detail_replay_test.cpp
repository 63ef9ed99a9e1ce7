#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "analysis/nanikiru_search.h"
#include "core/shanten.h"
#include "played_games.h"
#include "stats/detail_analysis.h"

namespace mizaro::testing {
namespace {

bool SameRecord(const GameRecord& a, const GameRecord& b) {
    return a.dealt == b.dealt && a.draws == b.draws && a.discards == b.discards &&
           a.doraIndicator == b.doraIndicator && a.uraIndicator == b.uraIndicator &&
           a.reachTurn == b.reachTurn && a.mode == b.mode;
}

void ExpectSameGame(const ReplayedGame& a, const ReplayedGame& b) {
    EXPECT_TRUE(SameRecord(a.record, b.record));
    EXPECT_EQ(a.points, b.points);
    EXPECT_EQ(a.shantenAt, b.shantenAt);
    EXPECT_EQ(a.readyTurn, b.readyTurn);
    EXPECT_EQ(a.reachTurn, b.reachTurn);
    EXPECT_EQ(a.winTurn, b.winTurn);
    EXPECT_EQ(a.winTile, b.winTile);
    EXPECT_EQ(a.reachHand, b.reachHand);
    EXPECT_EQ(a.reachEv, b.reachEv);  // the same computation, so the same bits
    EXPECT_EQ(a.yakuHan, b.yakuHan);
}

// The position right after the riichi discard of turn t, built from the record's counts
// rather than by replaying it move by move.
KyokuState RiichiPosition(const GameRecord& r, int t) {
    KyokuState s;
    s.hand.fill(0);
    for (TileKind k : r.dealt) ++s.hand[k];
    for (int i = 0; i < t; ++i) ++s.hand[r.draws[i]];
    for (int i = 0; i < t; ++i) --s.hand[r.discards[i]];
    s.wall.fill(4);
    for (TileKind k : r.dealt) --s.wall[k];
    for (int i = 0; i < t; ++i) --s.wall[r.draws[i]];
    --s.wall[r.doraIndicator];
    s.dora.fill(0);
    s.dora[NextKind(r.doraIndicator)] = 1;
    for (int i = 0; i < t; ++i) s.discards[i] = r.discards[i];
    s.turn = t + 1;
    s.reachTurn = t;
    s.lastDraw = r.draws[t - 1];
    s.lastDiscard = r.discards[t - 1];
    return s;
}

class DetailReplayTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { played = new PlayedGames(PlayGames(120, kModeNormal, 4242)); }
    static void TearDownTestSuite() { delete played; }
    static PlayedGames* played;
};
PlayedGames* DetailReplayTest::played = nullptr;

TEST_F(DetailReplayTest, ReplaysReproduceTheGamesAsPlayed) {
    const StatSummary& stats = played->stats;
    DetailAnalysis a;
    a.ReplayAll(stats.records);
    ASSERT_EQ(a.games.size(), stats.records.size());
    ASSERT_EQ(played->ends.size(), stats.records.size());
    EXPECT_EQ(a.skipped, 0);

    // Per game: the turn it ended and its riichi as the flow showed them.
    int riichiGames = 0;
    for (std::size_t i = 0; i < a.games.size(); ++i) {
        const ReplayedGame& g = a.games[i];
        const KyokuState& end = played->ends[i].state;
        const bool won = played->ends[i].caption == "和了";
        EXPECT_EQ(g.winTurn, won ? end.turn : 0) << i;
        EXPECT_EQ(g.reachTurn, end.reachTurn) << i;
        if (won) {
            EXPECT_EQ(g.winTile, end.lastDraw) << i;
        }
        for (int t = won ? g.winTurn : kTurnIndex; t < kTurnIndex; ++t)
            EXPECT_EQ(g.shantenAt[t], -1) << i;
        riichiGames += g.reachTurn > 0;
    }
    EXPECT_GT(riichiGames, 10);

    // Together: the counters the flow kept while it played, summed again from the replays.
    int wins = 0, winTurns = 0, reaches = 0, reachTurns = 0, damaWins = 0;
    double points = 0.0;
    std::array<int, kYakuCount> yaku{};
    for (const ReplayedGame& g : a.games) {
        wins += g.winTurn > 0;
        winTurns += g.winTurn;
        reaches += g.reachTurn > 0;
        reachTurns += g.reachTurn;
        damaWins += g.winTurn > 0 && g.reachTurn == 0;
        points += g.points;
        for (int k = 0; k < kYakuCount; ++k) yaku[k] += g.yakuHan[k] > 0;
    }
    EXPECT_GT(wins, 10);
    EXPECT_EQ(wins, stats.nAgari);
    EXPECT_EQ(winTurns, stats.AgariJun);
    EXPECT_EQ(reaches, stats.nReach);
    EXPECT_EQ(reachTurns, stats.ReachJun);
    EXPECT_EQ(damaWins, stats.NoReach);
    EXPECT_DOUBLE_EQ(points, stats.AgariTen);
    EXPECT_EQ(yaku, stats.yakuCount);
}

TEST_F(DetailReplayTest, RiichiValueIsTheSearchOfTheRiichiPosition) {
    DetailAnalysis a;
    a.ReplayAll(played->stats.records);
    int checked = 0;
    for (const ReplayedGame& g : a.games) {
        if (g.reachTurn == 0 || checked == 6) continue;
        const KyokuState s = RiichiPosition(g.record, g.reachTurn);
        std::array<TileKind, kDealtTiles> hand{};
        int n = 0;
        for (TileKind k = 0; k < kKinds; ++k)
            for (int c = 0; c < s.hand[k]; ++c) hand[n++] = k;
        ASSERT_EQ(n, kDealtTiles);
        EXPECT_EQ(g.reachHand, hand);
        EXPECT_EQ(Shanten(s.hand), 0);
        NanikiruSearch search(s, true, true, 0);
        search.Search(true);
        EXPECT_DOUBLE_EQ(g.reachEv, TurnValue(search.ev(), g.reachTurn + 1));
        if (g.reachTurn < kMaxTurns) {
            EXPECT_GT(g.reachEv, 0.0);
        }
        search.FreeCache();
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST_F(DetailReplayTest, UnsoundRecordsAreLeftOutAndCounted) {
    std::vector<GameRecord> records(played->stats.records.begin(),
                                    played->stats.records.begin() + 10);
    records[2].draws[1] = kNoTile;  // a hole before the end of the game
    records[5].dealt[0] = records[5].dealt[1] = records[5].dealt[2] = records[5].dealt[3] =
        records[5].dealt[4] = 7;  // a fifth copy
    records[7] = GameRecord{};    // the reset record a stopped replay used to leave behind
    DetailAnalysis a;
    a.ReplayAll(records);
    EXPECT_EQ(a.skipped, 3);
    ASSERT_EQ(a.games.size(), 7u);
    EXPECT_TRUE(SameRecord(a.games[2].record, records[3]));
    EXPECT_TRUE(SameRecord(a.games[6].record, records[9]));

    ReplayedGame lone;
    lone.record = records[2];
    EXPECT_FALSE(DetailAnalysis::Replay(lone));
    EXPECT_EQ(lone.winTurn, 0);
    EXPECT_EQ(lone.shantenAt[1], -1);
}

// A riichi win whose record lost its ura-dora indicator is scored without one, whatever the
// thread's random numbers: a replay must not depend on chance.
TEST_F(DetailReplayTest, RiichiWinWithoutUraIndicatorCountsOnlyTheDora) {
    int checked = 0;
    for (const GameRecord& record : played->stats.records) {
        ReplayedGame g;
        g.record = record;
        ASSERT_TRUE(DetailAnalysis::Replay(g));
        if (g.winTurn == 0 || g.reachTurn == 0) continue;
        TileCounts hand{};
        for (TileKind k : record.dealt) ++hand[k];
        for (int t = 0; t < g.winTurn; ++t) ++hand[record.draws[t]];
        for (int t = 0; t + 1 < g.winTurn; ++t) --hand[record.discards[t]];
        const int dora = hand[NextKind(record.doraIndicator)];
        for (unsigned seed : {1u, 2u, 3u}) {
            SeedThreadRandom(seed);
            ReplayedGame bare;
            bare.record = record;
            bare.record.uraIndicator = kNoTile;
            ASSERT_TRUE(DetailAnalysis::Replay(bare));
            EXPECT_EQ(bare.yakuHan[yaku::kDora], dora);
            EXPECT_LE(bare.points, g.points);
        }
        ++checked;
    }
    EXPECT_GT(checked, 5);
}

TEST_F(DetailReplayTest, ChinitsuGamesReplayOnAFullWall) {
    const PlayedGames chinitsu = PlayGames(20, kModeChinitsu, 77);
    DetailAnalysis a;
    a.ReplayAll(chinitsu.stats.records);
    ASSERT_EQ(a.games.size(), 20u);
    double points = 0.0;
    for (const ReplayedGame& g : a.games) points += g.points;
    EXPECT_DOUBLE_EQ(points, chinitsu.stats.AgariTen);
    a.ApplyFilter();
    EXPECT_TRUE(a.selected.empty());  // the filter asks for Normal games
    a.filter.mode = kModeChinitsu;
    a.ApplyFilter();
    EXPECT_EQ(a.selected.size(), 20u);
}

TEST_F(DetailReplayTest, AStopBeforeTheFirstGameLeavesNothingToSum) {
    DetailAnalysis a;
    a.cancelRequested = true;
    a.ReplayAll(played->stats.records);
    EXPECT_TRUE(a.games.empty());
    a.ApplyFilter();
    a.Aggregate();
    EXPECT_EQ(a.totals.gameCount, 0);
    EXPECT_EQ(a.totals.dealtTotal, 0);
}

// The replay spread over threads: the same games as one thread, and the progress values the
// interface thread polls are always whole.
class DetailAnalysisThreadTest : public DetailReplayTest {};

TEST_F(DetailAnalysisThreadTest, SeveralThreadsGiveTheResultOfOne) {
    std::vector<GameRecord> records = played->stats.records;
    records[3].draws[0] = kNoTile;  // one skipped record among them
    DetailAnalysis one;
    one.ReplayAll(records, 1);
    for (int jobs : {2, 4}) {
        DetailAnalysis many;
        many.ReplayAll(records, jobs);
        EXPECT_EQ(many.skipped, one.skipped);
        ASSERT_EQ(many.games.size(), one.games.size());
        for (std::size_t i = 0; i < one.games.size(); ++i)
            ExpectSameGame(many.games[i], one.games[i]);
        EXPECT_EQ(many.progress.load(), kProgressScale);
    }
}

TEST_F(DetailAnalysisThreadTest, ProgressIsReadWholeAndAStopKeepsFinishedGames) {
    std::vector<GameRecord> records;
    for (int copy = 0; copy < 40; ++copy)
        records.insert(records.end(), played->stats.records.begin(), played->stats.records.end());
    const int n = static_cast<int>(records.size());
    DetailAnalysis full;
    full.ReplayAll(records, 1);

    DetailAnalysis a;
    // Past a quarter every replaying thread waits for the poller's stop, so the stop comes
    // mid-run however the threads are scheduled.
    a.onProgress = [&a] {
        while (a.progress.load() >= kProgressScale / 4 && !a.cancelRequested.load())
            std::this_thread::yield();
    };
    std::atomic<bool> done{false};
    int lastProgress = 0;
    int polls = 0;
    std::thread poller([&] {
        while (!done.load()) {
            const int p = a.progress.load();
            EXPECT_GE(p, lastProgress);
            EXPECT_LE(p, kProgressScale);
            lastProgress = p;
            const std::string text = a.ProgressText();
            int shown = 0, total = 0;
            if (!text.empty()) {
                EXPECT_EQ(std::sscanf(text.c_str(), " %d / %d", &shown, &total), 2) << text;
                EXPECT_EQ(total, n);
                EXPECT_GE(shown, 1);
                EXPECT_LE(shown, n);
            }
            // Stop once a quarter is done, as the progress window's button would.
            if (p >= kProgressScale / 4) a.cancelRequested = true;
            ++polls;
            std::this_thread::yield();
        }
    });
    a.ReplayAll(records, 2);
    done = true;
    poller.join();
    EXPECT_GT(polls, 0);

    // Only finished games stay, each as the full replay has it, in record order.
    EXPECT_LT(a.games.size(), records.size() / 2);
    std::size_t j = 0;
    for (const ReplayedGame& g : a.games) {
        while (j < full.games.size() && !SameRecord(full.games[j].record, g.record)) ++j;
        ASSERT_LT(j, full.games.size());
        ExpectSameGame(g, full.games[j]);
    }
}

}  // namespace
}  // namespace mizaro::testing
