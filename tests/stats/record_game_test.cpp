#include <gtest/gtest.h>

#include "core/hand_notation.h"
#include "stats/stat_summary.h"

namespace mizaro {
namespace {

// The state right after a deal of `notation` (13 tiles) with the given dora indicator.
KyokuState Dealt(const char* notation, TileKind indicator) {
    KyokuState s;
    TileCounts hand = ParseTiles(notation).counts;
    for (TileKind k = 0; k < kKinds; ++k)
        for (int i = 0; i < hand[k]; ++i) s.DrawKind(k);
    s.shantenAfter[0] = s.Shanten();
    s.AddDoraIndicator(indicator);
    return s;
}

// An exhausted game with the given shanten after each of its 18 discards.
KyokuState Exhausted(const std::array<int, kMaxTurns>& shantenAfter) {
    KyokuState s = Dealt("19m19p19s1234567z", 0);
    s.turn = kMaxTurns + 1;
    s.shantenAfter = shantenAfter;
    return s;
}

// What a win is worth when evaluated the way the statistics evaluate it.
KyokuState Evaluated(KyokuState s) {
    s.EvaluateWin(false, false);
    return s;
}

TEST(RecordGame, WinAtTheFirstDraw) {
    KyokuState s = Dealt("123m456p789s1122z", kWhite);
    GameRecord rec;
    rec.FromDeal(s);
    rec.doraIndicator = kWhite;
    rec.draws[0] = kEast;
    ASSERT_TRUE(s.DrawKind(kEast));
    KyokuState scored = Evaluated(s);
    ASSERT_GT(scored.result.points, 0);

    StatSummary st;
    ASSERT_TRUE(st.RecordGame(s, rec));
    EXPECT_EQ(st.N, 1);
    EXPECT_EQ(st.nAgari, 1);
    EXPECT_EQ(st.AgariJun, 1);
    EXPECT_EQ(st.AgariTen, scored.result.points);
    EXPECT_EQ(st.TenpaiJun, 1) << "the dealt hand was ready";
    EXPECT_EQ(st.NoReach, 1);
    EXPECT_EQ(st.nNoten, 0);
    EXPECT_EQ(st.nReach, 0);
    EXPECT_EQ(st.Shanten, (std::array<int, kMaxTurns>{})) << "no discard was made";
    for (YakuId y = 0; y < kYakuCount; ++y)
        EXPECT_EQ(st.yakuCount[y], scored.result.han.GetHan(y) >= 1 ? 1 : 0) << y;
    ASSERT_EQ(st.records.size(), 1u);
    EXPECT_EQ(st.records[0].reachTurn, 0);
    EXPECT_EQ(st.records[0].uraIndicator, kNoTile);
    EXPECT_EQ(st.records[0].draws[0], kEast);
}

TEST(RecordGame, RiichiWinDrawsItsUraIndicatorIntoTheRecord) {
    KyokuState s = Dealt("123m456p789s1122z", kWhite);
    s.DrawKind(kEast);
    s.turn = 4;
    s.reachTurn = 2;
    s.shantenAfter = {};
    s.shantenAfter[0] = 1;
    StatSummary st;
    ASSERT_TRUE(st.RecordGame(s, GameRecord{}));
    EXPECT_EQ(st.nReach, 1);
    EXPECT_EQ(st.ReachJun, 2);
    EXPECT_EQ(st.NoReach, 0);
    EXPECT_EQ(st.AgariJun, 4);
    EXPECT_EQ(st.TenpaiJun, 2);
    EXPECT_EQ(st.Shanten[0], 1);
    EXPECT_EQ(st.yakuCount[yaku::kRiichi], 1);
    EXPECT_GT(st.AgariTen, 0.0);
    EXPECT_TRUE(IsValidKind(st.records[0].uraIndicator));
    EXPECT_EQ(st.records[0].reachTurn, 2);
}

TEST(RecordGame, ExhaustedGamesCountReadinessAfterTheLastDiscardOnly) {
    StatSummary st;
    // Ready only after the 18th discard.
    std::array<int, kMaxTurns> late;
    late.fill(2);
    late[17] = 0;
    ASSERT_TRUE(st.RecordGame(Exhausted(late), GameRecord{}));
    EXPECT_EQ(st.TenpaiJun, 18);
    EXPECT_EQ(st.nNoten, 0);
    EXPECT_EQ(st.Shanten[16], 2);
    EXPECT_EQ(st.Shanten[17], 0);

    // Ready early, then broken again by the last discard: not ready at the end.
    std::array<int, kMaxTurns> lost{};
    lost[0] = 1;
    lost[17] = 1;
    ASSERT_TRUE(st.RecordGame(Exhausted(lost), GameRecord{}));
    EXPECT_EQ(st.nNoten, 1);
    EXPECT_EQ(st.TenpaiJun, 18);
    EXPECT_EQ(st.Shanten[0], 3);
    EXPECT_EQ(st.Shanten[17], 1);
    EXPECT_EQ(st.N, 2);
    EXPECT_EQ(st.nAgari, 0);
    EXPECT_EQ(st.AgariTen, 0.0);
}

TEST(RecordGame, RiichiNotWonKeepsNoUraIndicator) {
    std::array<int, kMaxTurns> after{};
    after[0] = 2;
    after[1] = after[2] = after[3] = 1;
    KyokuState s = Exhausted(after);
    s.reachTurn = 5;
    s.uraIndicator = 7;  // whatever the state holds, a game not won records none
    StatSummary st;
    ASSERT_TRUE(st.RecordGame(s, GameRecord{}));
    EXPECT_EQ(st.nReach, 1);
    EXPECT_EQ(st.ReachJun, 5);
    EXPECT_EQ(st.NoReach, 0);
    EXPECT_EQ(st.TenpaiJun, 5);
    EXPECT_EQ(st.records[0].uraIndicator, kNoTile);
    EXPECT_EQ(st.records[0].reachTurn, 5);
    EXPECT_EQ(FirstReadyTurn(s), 5);
}

TEST(RecordGame, RefusesAStateThatIsNoFinishedGame) {
    StatSummary st;
    KyokuState s = Exhausted({});
    s.turn = 0;
    EXPECT_FALSE(st.RecordGame(s, GameRecord{}));
    s.turn = 20;
    EXPECT_FALSE(st.RecordGame(s, GameRecord{}));
    EXPECT_EQ(st.N, 0);
    EXPECT_TRUE(st.records.empty());
}

TEST(StatSummary, ResetAndCopyCountersLeaveWhatTheyShould) {
    StatSummary a;
    a.name = "someone";
    a.simStartClock = 5;
    a.simStartN = 7;
    a.RecordGame(Exhausted({}), GameRecord{});
    a.Reset();
    EXPECT_EQ(a.N, 0);
    EXPECT_TRUE(a.records.empty());
    EXPECT_EQ(a.name, "someone");
    EXPECT_EQ(a.simStartClock, 5);

    a.RecordGame(Exhausted({}), GameRecord{});
    a.yakuCount[3] = 4;
    StatSummary b;
    b.RecordGame(Exhausted({}), GameRecord{});
    b.RecordGame(Exhausted({}), GameRecord{});
    b.CopyCounters(a);
    EXPECT_EQ(b.name, "someone");
    EXPECT_EQ(b.N, 1);
    EXPECT_EQ(b.yakuCount[3], 4);
    EXPECT_EQ(b.simStartN, 7);
    EXPECT_EQ(b.records.size(), 2u) << "records are not copied";
}

}  // namespace
}  // namespace mizaro
