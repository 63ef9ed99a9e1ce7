#include "analysis/riichi_analysis.h"

#include <gtest/gtest.h>

#include "core/hand_notation.h"
#include "golden_page.h"
#include "search_test_util.h"

namespace mizaro {
namespace {

using testing::ExpectGolden;

std::string Dama(const std::string& line) {
    const AnalysisText page = DamaPageFor(Position(line));
    EXPECT_TRUE(page.ok()) << page.refusal;
    return page.text;
}

std::string Format(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

TEST(RiichiAnalysis, MatchesTheGoldenPages) {
    // A closed wait that better draws turn into open ones: the hand-change table is there.
    const std::string changes = Dama("234567m24p678s55z1z turn=4 dora=5p");
    EXPECT_NE(changes.find("手変わり候補"), std::string::npos);
    ExpectGolden("dama_with_changes.htm", changes);
    // An open wait no draw improves: no hand-change table.
    const std::string plain = Dama("234567m23p678s55z1z turn=6 dora=5p");
    EXPECT_EQ(plain.find("手変わり候補"), std::string::npos);
    ExpectGolden("dama_without_changes.htm", plain);
}

// Both values of an open wait worked out with a plain recursion over the draw numbers: every
// draw of a winning kind wins at once, any other keeps the hand. With riichi a win counts the
// search's points (ura-dora expected) and ippatsu on the first draw only; without riichi it
// counts the plain points.
TEST(RiichiAnalysis, OpenWaitValuedByAPlainRecursion) {
    const KyokuState game = Position("234567m23p678s55z1z turn=6 dora=5p");
    KyokuState ready = game;
    ASSERT_TRUE(ready.Discard(ParseTile("1z"), false));
    const int k0 = ready.turn;

    struct Wait {
        int tiles;
        double riichi, ippatsu, dama;
    };
    std::vector<Wait> waits;
    for (const char* tile : {"1p", "4p"}) {
        KyokuState win = ready;
        ASSERT_TRUE(win.DrawKind(ParseTile(tile)));
        Wait w{ready.wall[ParseTile(tile)], 0, 0, 0};
        w.dama = win.EvaluateWin(false, false);
        win.reachTurn = 100;
        w.ippatsu = win.EvaluateWin(true, true);
        w.riichi = win.EvaluateWin(true, false);
        waits.push_back(w);
    }

    // The ippatsu bonus of a draw number is added after the recurrence, so it never reaches
    // the earlier draws.
    double riichiNext = 0, damaNext = 0, riichiAtK0 = 0, damaAtK0 = 0;
    for (int k = 18; k >= k0; --k) {
        const double pool = 123 - k;
        double riichi = 0, ippatsu = 0, dama = 0, chance = 0;
        for (const Wait& w : waits) {
            riichi += w.tiles / pool * w.riichi;
            ippatsu += w.tiles / pool * w.ippatsu;
            dama += w.tiles / pool * w.dama;
            chance += w.tiles / pool;
        }
        const double bonus = ippatsu - riichi;
        if (k < 18) {
            riichi += (1 - chance) * riichiNext;
            dama += (1 - chance) * damaNext;
        }
        riichiAtK0 = riichi + bonus;
        damaAtK0 = dama;
        riichiNext = riichi;
        damaNext = dama;
    }

    const ReachAnalysis analysis(ready, riichiAtK0);
    EXPECT_TRUE(analysis.changeCandidates.empty());
    EXPECT_EQ(analysis.winTiles, 8);
    EXPECT_NEAR(analysis.evDama, damaAtK0, 1e-9);
    EXPECT_EQ(analysis.winPoints[ParseTile("1p")], waits[0].dama);

    const std::string page = Dama("234567m23p678s55z1z turn=6 dora=5p");
    EXPECT_NE(page.find("<TD>リーチした場合の期待値</TD><TD>" + Format("%7.2f", riichiAtK0)),
              std::string::npos);
    EXPECT_NE(page.find("<TD>リーチしない場合の期待値</TD><TD>" + Format("%7.2f", damaAtK0)),
              std::string::npos);
}

TEST(RiichiAnalysis, RefusalsAndHandsLeftUnready) {
    const AnalysisText refused = DamaPageFor(Position("123m456p789s11z57z6z turn=3"));
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.refusal, "聴牌していません");

    // After the last draw no discard has a value and the drawn tile goes; here that breaks
    // the wait, and the page shows both values as 0 and no wins.
    const std::string page = Dama("234567m3p678s55z1z2p turn=18 dora=5p");
    EXPECT_NE(page.find("<TD>リーチした場合の期待値</TD><TD>   0.00</TD>"), std::string::npos);
    EXPECT_NE(page.find("<TD>リーチしない場合の期待値</TD><TD>   0.00</TD>"), std::string::npos);
    EXPECT_EQ(page.find("点</TD>"), std::string::npos);
}

int PoolWinPoints(KyokuState s, const char* tile, bool riichi) {
    s.reachTurn = riichi ? 100 : 0;  // an assumed riichi
    EXPECT_TRUE(s.DrawKind(ParseTile(tile)));
    return s.EvaluateWin(riichi, riichi);
}

// The chance of a draw is its wall count over the position's own pool less the draw number.
// Ready on 1z-2z as a non-dealer, South round and seat, with draws 17 and 18 left. The wall
// holds only the waits (no other draw changes the hand); the rest of the pool is not seen.
TEST(SearchPool, ChancesOfAReadyHandAreItsWaitsOverTheUnseenTiles) {
    for (const int pool : {41, kSoloPoolBeforeFirstDraw}) {
        KyokuState s;
        s.hand = ParseTiles("123m456p789s1122z").counts;
        s.wall.fill(0);
        s.wall[ParseTile("1z")] = 2;
        s.wall[ParseTile("2z")] = 1;
        s.turn = 17;
        s.roundWind = s.seatWind = ParseTile("2z");
        s.dealer = false;
        s.poolBeforeFirstDraw = pool;
        const double last = pool - 18.0, before = pool - 17.0;
        NanikiruSearch node(s, true, true, 0);
        node.Search(true);
        // Draw 18 can only be the ippatsu draw after riichi.
        const double ev18 =
            (2 * PoolWinPoints(s, "1z", true) + PoolWinPoints(s, "2z", true)) / last;
        EXPECT_DOUBLE_EQ(node.winProb()[18], 3 / last) << pool;
        EXPECT_DOUBLE_EQ(node.ev()[18], ev18) << pool;
        EXPECT_DOUBLE_EQ(node.winProb()[17], 3 / before + (1 - 3 / before) * (3 / last)) << pool;
        // Without riichi every win scores its plain points.
        const double plain = 2 * PoolWinPoints(s, "1z", false) + PoolWinPoints(s, "2z", false);
        const double dama = plain / before + (1 - 3 / before) * plain / last;
        EXPECT_NEAR(ReachAnalysis(s, node.ev()[18]).evDama, dama, 1e-9) << pool;
    }
}

}  // namespace
}  // namespace mizaro
