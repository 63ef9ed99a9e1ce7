#include "stats/detail_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/hand_notation.h"
#include "core/shanten_table.h"
#include "stats/detail_lists.h"

namespace mizaro {
namespace {

// A replayed game built directly: `course` gives the shanten after each draw from turn 1
// (a -1 ends the game won there, and every later turn stays -1).
ReplayedGame Game(std::vector<int> course, int points = 0, int reachTurn = 0) {
    ReplayedGame g;
    g.record.mode = kModeNormal;
    for (int k = 0; k < kDealtTiles; ++k) g.record.dealt[k] = k;
    g.record.draws[0] = 20;
    for (int t = 1; t <= static_cast<int>(course.size()); ++t) {
        g.shantenAt[t] = course[t - 1];
        if (course[t - 1] == 0 && g.readyTurn == 0) g.readyTurn = t;
        if (course[t - 1] == -1) {
            g.winTurn = t;
            g.winTile = 33;
            g.points = points;
            break;
        }
    }
    g.reachTurn = reachTurn;
    if (reachTurn > 0) {
        for (int k = 0; k < kDealtTiles; ++k) g.reachHand[k] = 9 + k;
        g.reachEv = 1000.0;
    }
    return g;
}

// Exhausted after 18 draws at the given shanten throughout.
ReplayedGame Flat(int shanten) {
    return Game(std::vector<int>(kMaxTurns, shanten));
}

std::vector<int> Selected(const DetailAnalysis& a) {
    std::vector<int> points;
    for (const ReplayedGame* g : a.selected) points.push_back(g->points);
    return points;
}

TEST(DetailFilterTest, RangesRiichiAndModeChooseGamesInOrder) {
    DetailAnalysis a;
    a.games = {Game({-1}, 100), Game({2, 1, 0, -1}, 200, 3), Flat(3), Flat(0)};
    a.games[2].points = 300;
    a.games[3].points = 400;
    a.ApplyFilter();
    EXPECT_EQ(Selected(a), (std::vector<int>{100, 200, 300, 400}));

    // A win on the first draw passes the deal range only from -1.
    a.filter.hai1 = 0;
    a.ApplyFilter();
    EXPECT_EQ(Selected(a), (std::vector<int>{200, 300, 400}));
    // A game won at turn 4 ends at -1.
    a.filter = {};
    a.filter.last1 = 0;
    a.ApplyFilter();
    EXPECT_EQ(Selected(a), (std::vector<int>{300, 400}));
    a.filter.last2 = 0;
    a.ApplyFilter();
    EXPECT_EQ(Selected(a), (std::vector<int>{400}));

    a.filter = {};
    a.filter.reach0 = 0;
    a.ApplyFilter();
    EXPECT_EQ(Selected(a), (std::vector<int>{200}));
    a.filter.reach0 = 1;
    a.filter.reach1 = 0;
    a.ApplyFilter();
    EXPECT_EQ(Selected(a), (std::vector<int>{100, 300, 400}));

    a.filter = {};
    a.games[1].record.mode = kModeChinitsu;
    a.filter.mode = kModeChinitsu;
    a.ApplyFilter();
    EXPECT_EQ(Selected(a), (std::vector<int>{200}));
}

TEST(DetailFilterTest, RecentCountKeepsTheLastGamesAndNeverReadsOutside) {
    DetailAnalysis a;
    for (int i = 0; i < 250; ++i) {
        a.games.push_back(Flat(1));
        a.games.back().points = i;
    }
    a.filter.kyoku = 100;
    a.ApplyFilter();
    std::vector<int> last100(100);
    std::iota(last100.begin(), last100.end(), 150);
    EXPECT_EQ(Selected(a), last100);

    a.games.resize(40);
    a.ApplyFilter();
    EXPECT_EQ(a.selected.size(), 40u);

    for (int kyoku : {0, -1, -1000}) {
        a.filter.kyoku = kyoku;
        a.ApplyFilter();
        EXPECT_TRUE(a.selected.empty()) << kyoku;
    }
}

TEST(DetailFilterTest, YakuConditionWithAndAndOr) {
    DetailAnalysis a;
    a.games = {Game({-1}, 1), Game({-1}, 2), Flat(2)};
    a.games[0].yakuHan[yaku::kYakuhai] = 1;
    a.games[0].yakuHan[yaku::kTsumo] = 1;
    a.games[1].yakuHan[yaku::kTsumo] = 1;

    // AND with nothing selected is no condition; OR with nothing selected passes nothing.
    a.ApplyFilter();
    EXPECT_EQ(a.selected.size(), 3u);
    a.filter.yakuMode = 1;
    a.ApplyFilter();
    EXPECT_TRUE(a.selected.empty());

    a.filter.yaku[yaku::kYakuhai] = '1';
    a.filter.yaku[yaku::kTsumo] = '1';
    a.filter.yakuMode = 0;
    a.ApplyFilter();
    EXPECT_EQ(Selected(a), (std::vector<int>{1}));
    a.filter.yakuMode = 1;
    a.ApplyFilter();
    EXPECT_EQ(Selected(a), (std::vector<int>{1, 2}));
    // Any other mode is no condition; a short selection text selects what it holds.
    a.filter.yakuMode = 7;
    a.ApplyFilter();
    EXPECT_EQ(a.selected.size(), 3u);
    a.filter.yakuMode = 1;
    a.filter.yaku = "0000";
    a.ApplyFilter();
    EXPECT_TRUE(a.selected.empty());
}

// Dealt one from ready; the 5p of turn 3 makes the hand ready, and it stays ready to the end
// by throwing every drawn honour.
GameRecord ReadyFromTurnThree() {
    GameRecord r;
    const std::vector<TileKind> dealt = ParseTiles("234m5567p23s678s1z").tiles;
    std::copy(dealt.begin(), dealt.end(), r.dealt.begin());
    r.doraIndicator = ParseTile("9m");
    r.reachTurn = 0;
    const char* honours[] = {"2z", "3z", "4z", "6z", "7z", "1z"};
    for (int t = 0; t < kMaxTurns; ++t) r.draws[t] = ParseTile(honours[t % 6]);
    r.draws[2] = ParseTile("5p");
    r.discards = r.draws;
    r.discards[2] = ParseTile("1z");
    return r;
}

TEST(RecordReplayTest, ReadyTurnIsTheFirstTurnTheHandIsReady) {
    ReplayedGame g;
    g.record = ReadyFromTurnThree();
    ASSERT_TRUE(DetailAnalysis::Replay(g));
    EXPECT_EQ(g.shantenAt[2], 1);
    EXPECT_EQ(g.shantenAt[kMaxTurns], 0);
    EXPECT_EQ(g.readyTurn, 3);
}

// The deal range holds both of its bounds: a game one from ready after its first draw passes
// every range that starts or ends at one.
TEST(DetailFilterTest, FirstDrawRangeHoldsItsBounds) {
    DetailAnalysis a;
    a.ReplayAll({ReadyFromTurnThree()});
    ASSERT_EQ(a.games.size(), 1u);
    ASSERT_EQ(a.games[0].shantenAt[1], 1);
    const struct {
        int hai1, hai2;
        std::size_t selected;
    } ranges[] = {{1, 1, 1}, {-1, 1, 1}, {1, 6, 1}, {-1, 0, 0}, {2, 6, 0}};
    for (const auto& r : ranges) {
        a.filter.hai1 = r.hai1;
        a.filter.hai2 = r.hai2;
        a.ApplyFilter();
        EXPECT_EQ(a.selected.size(), r.selected) << r.hai1 << ".." << r.hai2;
    }
}

TEST(DetailAggregateTest, KeyFiguresPerTurnAndShantenCourse) {
    DetailAnalysis a;
    // Riichi at 3, won at 4 for 12000; dama win at 2 for 2100 after a step up; a flat
    // exhausted two-shanten game never ready.
    a.games = {Game({2, 1, 0, -1}, 12000, 3), Game({0, 1, -1}, 2100), Flat(2)};
    a.ApplyFilter();
    a.Aggregate();
    const DetailTotals& t = a.totals;
    EXPECT_EQ(t.gameCount, 3);
    EXPECT_DOUBLE_EQ(t.avgPoints, 14100.0 / 3);
    EXPECT_DOUBLE_EQ(t.predictedEv, (1000.0 + 2100.0) / 3);
    EXPECT_DOUBLE_EQ(t.avgWinPoints, 14100.0 / 2);
    EXPECT_EQ(t.readyCount, 2);
    EXPECT_DOUBLE_EQ(t.avgReadyTurn, (3 + 1) / 2.0);
    EXPECT_EQ(t.reachCount, 1);
    EXPECT_DOUBLE_EQ(t.reachWinRate, 100.0);
    EXPECT_EQ(t.winCount, 2);
    EXPECT_DOUBLE_EQ(t.avgWinTurn, 3.5);
    EXPECT_EQ(t.notReadyCount, 1);
    EXPECT_DOUBLE_EQ(t.notReadyRate, 100.0 / 3);

    EXPECT_EQ(t.aliveAt[1], 3);
    EXPECT_EQ(t.aliveAt[3], 3);
    EXPECT_EQ(t.aliveAt[4], 2);
    EXPECT_EQ(t.aliveAt[5], 1);
    EXPECT_EQ(t.winAt[4], 1);
    EXPECT_EQ(t.reachAt[3], 1);
    EXPECT_EQ(t.readyAt[1], 1);

    EXPECT_EQ(t.shantenCount[1][2], 2);
    EXPECT_EQ(t.shantenCount[1][0], 1);
    EXPECT_EQ(t.shantenTotal[2], 1 + 18);
    // Moves down: 2->1, 1->0, 0->-1 (the win), 1->-1 is no move; equal: 17 of the flat game.
    EXPECT_EQ(t.shantenMove[2][0], 1);
    EXPECT_EQ(t.shantenMove[1][0], 1);
    EXPECT_EQ(t.shantenMove[0][0], 1);
    EXPECT_EQ(t.shantenMove[0][2], 1);
    EXPECT_EQ(t.shantenMove[2][1], 17);
    int moves = 0;
    for (const auto& row : t.shantenMove) moves = std::accumulate(row.begin(), row.end(), moves);
    EXPECT_EQ(moves, 3 + 1 + 17);

    EXPECT_EQ(t.dealtTotal, 3 * 14);
    EXPECT_EQ(t.dealtCount[20], 3);
    EXPECT_DOUBLE_EQ(t.dealtRatio[20], 3.0 / 42 * 34);
    EXPECT_EQ(t.reachHandTotal, 13);
    EXPECT_EQ(t.winTileTotal, 2);
    EXPECT_DOUBLE_EQ(t.winTileRatio[33], 34.0);
}

TEST(DetailAggregateTest, EmptySelectionAndNoRiichiNoWin) {
    DetailAnalysis a;
    a.Aggregate();
    EXPECT_EQ(a.totals.gameCount, 0);
    EXPECT_TRUE(a.totals.pointRows.empty());
    a.games = {Flat(1), Flat(3)};
    a.ApplyFilter();
    a.Aggregate();
    EXPECT_EQ(a.totals.predictedEv, 0.0);
    EXPECT_EQ(a.totals.avgWinPoints, 0.0);
    EXPECT_EQ(a.totals.reachWinRate, 0.0);
    EXPECT_EQ(a.totals.yakuShareWins[yaku::kTsumo], 0.0);
}

TEST(DetailAggregateTest, PointRowsAreSortedMergedAndAtMostAHundred) {
    DetailAnalysis a;
    std::vector<int> win5(5, 1);
    win5[4] = -1;
    std::vector<int> win9(9, 1);
    win9[8] = -1;
    a.games = {Game(win9, 7700), Game(win5, 2100), Game(win9, 2100), Flat(1)};
    a.ApplyFilter();
    a.Aggregate();
    ASSERT_EQ(a.totals.pointRows.size(), 2u);
    const PointRow& low = a.totals.pointRows[0];
    EXPECT_EQ(low.points, 2100);
    EXPECT_EQ(low.count, 2);
    EXPECT_EQ(low.byTurn[5], 1);
    EXPECT_EQ(low.byTurn[9], 1);
    EXPECT_EQ(a.totals.pointRows[1].points, 7700);

    // 150 distinct scores, highest first: the hundred lowest stay, ascending.
    a.games.clear();
    for (int i = 150; i >= 1; --i) a.games.push_back(Game(win5, i * 100));
    a.ApplyFilter();
    a.Aggregate();
    ASSERT_EQ(a.totals.pointRows.size(), 100u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(a.totals.pointRows[i].points, (i + 1) * 100);
}

TEST(DetailAggregateTest, YakuShares) {
    DetailAnalysis a;
    a.games = {Game({-1}, 1), Game({-1}, 2), Flat(2), Flat(3)};
    a.games[0].yakuHan[yaku::kYakuhai] = 2;
    a.games[0].yakuHan[yaku::kTsumo] = 1;
    a.games[1].yakuHan[yaku::kTsumo] = 1;
    a.ApplyFilter();
    a.Aggregate();
    EXPECT_EQ(a.totals.wonGames, 2);
    EXPECT_EQ(a.totals.yakuWins[yaku::kTsumo], 2);
    EXPECT_DOUBLE_EQ(a.totals.yakuShareAll[yaku::kYakuhai], 25.0);
    EXPECT_DOUBLE_EQ(a.totals.yakuShareWins[yaku::kYakuhai], 50.0);
}

TEST(DetailListTest, CopyTextOfEveryListEndsEachLineWithTabAndFeed) {
    DetailAnalysis a;
    a.games = {Game({2, 1, 0, -1}, 12000, 3), Flat(2)};
    a.games[0].yakuHan[yaku::kTsumo] = 1;
    a.ApplyFilter();
    a.Aggregate();
    const int expectedRows[kDetailListCount] = {17, 18, 26, 1, 36, 31};
    for (int i = 0; i < kDetailListCount; ++i) {
        const ListTable table = DetailList(kDetailLists[i], a.totals);
        EXPECT_EQ(static_cast<int>(table.rows.size()), expectedRows[i]) << i;
        const std::string text = ListCopyText(table);
        EXPECT_EQ(text.find("\r"), std::string::npos);
        int lines = 0;
        for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; ++at, ++lines)
            EXPECT_EQ(text[at - 1], '\t') << i << " line " << lines;
        EXPECT_EQ(lines, expectedRows[i] + 1);
        EXPECT_EQ(text.back(), '\n');
    }

    EXPECT_EQ(ListCopyText(DetailList({0, kRightList}, a.totals))
                  .rfind("順目\t局数\t聴牌\tリーチ\t和了\t\n1\t2\t0\t0\t0\t\n", 0),
              0u);
    const std::string shanten = ListCopyText(DetailList({1, kLeftList}, a.totals));
    EXPECT_EQ(shanten.substr(0, shanten.find('\n')),
              "順目\t6 向聴\t5 向聴\t4 向聴\t3 向聴\t2 向聴\t1 向聴\t聴牌\t");
    // Rows 18, 20 and 22 hold nothing; 21 only its label.
    EXPECT_NE(
        shanten.find("\n\t\t\t\t\t\t\t\t\n合計\t0\t0\t0\t0\t19\t1\t1\t\n\t\t\t\t\t\t\t\t\n推移\t"
                     "\t\t\t\t\t\t\t\n\t\t\t\t\t\t\t\t\n-1\t"),
        std::string::npos)
        << shanten;
    const std::string overview = ListCopyText(DetailList({0, kLeftList}, a.totals));
    EXPECT_NE(overview.find("期待値\t 6000.00\t\n"), std::string::npos) << overview;
    EXPECT_NE(overview.find("リーチ確率\t 50.00 %\t\n"), std::string::npos);
    EXPECT_NE(overview.find("平均和了順\t 4.00\t\n"), std::string::npos);
    const std::string tiles = ListCopyText(DetailList({3, kLeftList}, a.totals));
    EXPECT_NE(tiles.find("\n\t\t\t\t\t\t\t\n合計\t28\t\t13\t\t1\t\t\n"), std::string::npos)
        << tiles;
    EXPECT_NE(ListCopyText(DetailList({4, kLeftList}, a.totals)).find("\t50.000 %\t100.000 %\t\n"),
              std::string::npos);
}

TEST(DetailListTest, EmptyTotalsShowZeroInTheirFormats) {
    const DetailTotals empty;
    const std::string overview = ListCopyText(DetailList({0, kLeftList}, empty));
    EXPECT_NE(overview.find("局数\t0\t\n期待値\t    0.00\t\n"), std::string::npos) << overview;
    EXPECT_NE(overview.find("和了率\t  0.00 %\t\n平均和了順\t 0.00\t\n"), std::string::npos);
    EXPECT_NE(
        ListCopyText(DetailList({3, kLeftList}, empty)).find("\t0\t0.000\t0\t0.000\t0\t0.000\t\n"),
        std::string::npos);
    EXPECT_TRUE(DetailList({2, kLeftList}, empty).rows.empty());
}

}  // namespace
}  // namespace mizaro
