// A one-shanten position small enough to value on paper, checked against the search.
//
// 123m456p789s35m1z2z lacks a pair and the 4m. Only three kinds bring it to ready:
//   4m (4 in the wall): discard 1z to wait on 2z, or 2z to wait on 1z (3 tiles each);
//   1z (3 left): discard 2z to wait on 4m (4 tiles);
//   2z (3 left): discard 1z to wait on 4m (4 tiles).
// Each ready hand has a single winning kind, so its value follows from the chance of that kind
// at each draw (its wall count over 123 - k) and the points of the one win.
#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/nanikiru_search.h"
#include "core/hand_notation.h"
#include "search_test_util.h"

namespace mizaro {
namespace {

constexpr int kRiichiWithoutIppatsuTurn = 100;

struct ReadyHand {
    double points = 0;         // the win without ippatsu
    double pointsIppatsu = 0;  // the same win on the draw right after riichi
    int waits = 0;             // winning tiles left in the wall
};

// The ready hand left by drawing `drawn` and discarding `discarded`, waiting on `wait`.
ReadyHand Ready(const KyokuState& s, const char* drawn, const char* discarded, const char* wait) {
    KyokuState t = s;
    EXPECT_TRUE(t.DrawKind(ParseTile(drawn)));
    EXPECT_TRUE(t.RemoveFromHand(ParseTile(discarded), false));
    t.reachTurn = kRiichiWithoutIppatsuTurn;
    ReadyHand r;
    r.waits = t.wall[ParseTile(wait)];
    EXPECT_TRUE(t.DrawKind(ParseTile(wait)));
    r.pointsIppatsu = t.EvaluateWin(true, true);
    r.points = t.EvaluateWin(true, false);
    return r;
}

// A ready hand with one winning kind, at the last draw and one draw before it.
double Ev18(const ReadyHand& r) {
    return r.waits / 105.0 * r.pointsIppatsu;
}
double Ev17(const ReadyHand& r) {
    const double keep = 1.0 - r.waits / 106.0;
    return r.waits / 106.0 * r.pointsIppatsu + keep * r.waits / 105.0 * r.points;
}
double Win18(const ReadyHand& r) {
    return r.waits / 105.0;
}
double Win17(const ReadyHand& r) {
    return r.waits / 106.0 + (1.0 - r.waits / 106.0) * Win18(r);
}

TEST(NanikiruSearchWorkedExample, OneShantenValuedOnPaper) {
    const KyokuState s = After("123m456p789s35m1z2z7z turn=5", "7z");
    ASSERT_EQ(s.Shanten(), 1);
    ASSERT_EQ(s.wall[ParseTile("4m")], 4);
    ASSERT_EQ(s.wall[ParseTile("1z")], 3);
    ASSERT_EQ(s.wall[ParseTile("2z")], 3);
    const ReadyHand waitSouth = Ready(s, "4m", "1z", "2z");
    const ReadyHand waitEast = Ready(s, "4m", "2z", "1z");
    const ReadyHand pairEast = Ready(s, "1z", "2z", "4m");
    const ReadyHand pairSouth = Ready(s, "2z", "1z", "4m");
    ASSERT_GT(waitSouth.points, 0);
    ASSERT_GT(pairSouth.points, 0);

    NanikiruSearch node(s, true, true, 0);
    node.Search(true);

    EXPECT_EQ(node.effKinds(), 3);
    EXPECT_EQ(node.effTiles(), 10);
    // Itself, four ready hands, and one win below each of them; nothing recurs.
    const PositionCounts counts = {4, 4, 1, 0, 0, 0, 0, 0, 9};
    EXPECT_EQ(node.evaluated(), counts);
    EXPECT_EQ(node.visited(), counts);

    // The last draw cannot take a one-shanten hand to a win.
    EXPECT_EQ(node.ev()[18], 0.0);
    EXPECT_EQ(node.winProb()[18], 0.0);
    EXPECT_EQ(node.tenpaiProb()[18], 0.0);

    // Draw 17: every ready reply beats the hand's own nothing; after 4m the better wait is kept.
    const double ev17 = 4 / 106.0 * std::max(Ev18(waitSouth), Ev18(waitEast)) +
                        3 / 106.0 * Ev18(pairEast) + 3 / 106.0 * Ev18(pairSouth);
    const double win17 = 4 / 106.0 * 3 / 105.0 + 3 / 106.0 * 4 / 105.0 + 3 / 106.0 * 4 / 105.0;
    EXPECT_NEAR(node.ev()[17], ev17, 1e-9);
    EXPECT_NEAR(node.winProb()[17], win17, 1e-12);
    EXPECT_NEAR(node.tenpaiProb()[17], 10 / 106.0, 1e-12);

    // Draw 16: the ten useful tiles move to a ready hand (worth its ippatsu chance at draw
    // 17); the other 97 of the pool of 107 keep the hand and its value at draw 17.
    const double keep = 97 / 107.0;
    const double ev16 = 4 / 107.0 * std::max(Ev17(waitSouth), Ev17(waitEast)) +
                        3 / 107.0 * Ev17(pairEast) + 3 / 107.0 * Ev17(pairSouth) + keep * ev17;
    const double win16 = 4 / 107.0 * Win17(waitSouth) + 3 / 107.0 * Win17(pairEast) +
                         3 / 107.0 * Win17(pairSouth) + keep * win17;
    EXPECT_NEAR(node.ev()[16], ev16, 1e-9);
    EXPECT_NEAR(node.winProb()[16], win16, 1e-12);
    EXPECT_NEAR(node.tenpaiProb()[16], 10 / 107.0 + keep * 10 / 106.0, 1e-12);
    node.FreeCache();
}

}  // namespace
}  // namespace mizaro
