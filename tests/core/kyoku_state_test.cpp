#include "core/kyoku_state.h"

#include <gtest/gtest.h>

#include "core/hand_notation.h"
#include "core/random.h"

namespace mizaro {
namespace {

// A state holding exactly the given hand, the rest of a full wall unseen.
KyokuState WithHand(const char* notation) {
    KyokuState s;
    TileCounts hand = ParseTiles(notation).counts;
    for (TileKind k = 0; k < kKinds; ++k)
        for (int i = 0; i < hand[k]; ++i) s.DrawKind(k);
    return s;
}

int Total(const TileCounts& c) {
    int n = 0;
    for (int v : c) n += v;
    return n;
}

TEST(KyokuState, ResetKeepsOnlyTheModesKinds) {
    KyokuState s;
    EXPECT_EQ(Total(s.wall), 136);
    s.mode = kModeChinitsu;
    s.Reset();
    EXPECT_EQ(Total(s.wall), 36);
    EXPECT_EQ(s.wall[8], 4);
    EXPECT_EQ(s.wall[9], 0);
    s.mode = kModeHonitsu;
    s.Reset();
    EXPECT_EQ(Total(s.wall), 64);
    EXPECT_EQ(s.wall[kRed], 4);
    s.mode = kModeKokushi;
    s.Reset();
    EXPECT_EQ(Total(s.wall), 52);
    for (TileKind k = 0; k < kKinds; ++k) EXPECT_EQ(s.wall[k], IsTerminalOrHonour(k) ? 4 : 0);
    EXPECT_EQ(s.turn, 1);
    EXPECT_EQ(s.uraIndicator, kNoTile);
    EXPECT_EQ(s.discards[17], kNoTile);
}

TEST(KyokuState, KindCycles) {
    EXPECT_EQ(NextKind(8), 0);
    EXPECT_EQ(NextKind(26), 18);
    EXPECT_EQ(NextKind(kNorth), kEast);
    EXPECT_EQ(NextKind(kRed), kWhite);
    for (TileKind k = 0; k < kKinds; ++k) {
        EXPECT_EQ(PrevKind(NextKind(k)), k);
        EXPECT_EQ(SuitOf(NextKind(k)), SuitOf(k));
    }
    EXPECT_EQ(PrevKind(-1), -2);
}

TEST(KyokuState, DiscardRefusesWhatIsNotThere) {
    KyokuState s = WithHand("123m");
    EXPECT_FALSE(s.Discard(5, false));
    EXPECT_FALSE(s.Discard(-1, false));
    EXPECT_FALSE(s.Discard(34, false));
    EXPECT_EQ(s.turn, 1);
    EXPECT_TRUE(s.Discard(1, false));
    EXPECT_EQ(s.turn, 2);
    EXPECT_EQ(s.discards[0], 1);
    EXPECT_EQ(s.lastDiscard, 1);
}

TEST(KyokuState, RiichiOnlyByAReadyDiscardBeforeTheLast) {
    // Discarding 3z leaves three runs, a 1z triplet and 2z waiting for its pair.
    KyokuState s = WithHand("123m456p789s11123z");
    s.shantenAfter[0] = 5;
    ASSERT_TRUE(s.Discard(kWest, true));
    EXPECT_EQ(s.shantenAfter[0], 0);
    EXPECT_EQ(s.reachTurn, 1);  // double riichi
    s.DrawKind(kNorth);
    ASSERT_TRUE(s.Discard(kNorth, true));
    EXPECT_EQ(s.reachTurn, 1);  // declared once only

    KyokuState late = WithHand("123m456p789s11123z");
    late.turn = 18;
    ASSERT_TRUE(late.Discard(kWest, true));
    EXPECT_EQ(late.reachTurn, 0);  // no riichi with the eighteenth discard
    EXPECT_EQ(late.turn, 19);
    late.DrawKind(kNorth);
    EXPECT_FALSE(late.Discard(kNorth, false));  // no slot beyond the eighteenth
    EXPECT_EQ(late.turn, 19);

    KyokuState notReady = WithHand("123m456p789s13567z");
    ASSERT_TRUE(notReady.Discard(kRed, true));
    EXPECT_EQ(notReady.reachTurn, 0);
}

TEST(KyokuState, EmptyWallDrawsNothing) {
    KyokuState s;
    s.wall.fill(0);
    EXPECT_EQ(s.PickWallKind(), kNoTile);
    EXPECT_EQ(s.Draw(), kNoTile);
    EXPECT_EQ(s.DrawDoraIndicator(), kNoTile);
    EXPECT_EQ(Total(s.hand), 0);
    EXPECT_EQ(Total(s.dora), 0);
    EXPECT_FALSE(s.DrawKind(3));
}

TEST(KyokuState, PickIsUniformAmongUnseenTiles) {
    SeedThreadRandom(7);
    KyokuState s;
    s.wall.fill(0);
    s.wall[3] = 1;
    s.wall[30] = 3;
    int low = 0;
    const int picks = 40000;
    for (int i = 0; i < picks; ++i) {
        TileKind k = s.PickWallKind();
        ASSERT_TRUE(k == 3 || k == 30);
        low += k == 3;
    }
    EXPECT_NEAR(static_cast<double>(low) / picks, 0.25, 0.01);
}

TEST(KyokuState, SeededGamesKeepEveryTileAccountedFor) {
    for (int mode = 0; mode < 4; ++mode) {
        SeedThreadRandom(100 + mode);
        KyokuState s;
        s.mode = mode;
        s.Reset();
        s.Deal();
        TileKind indicator = s.DrawDoraIndicator();
        ASSERT_NE(indicator, kNoTile);
        EXPECT_EQ(s.shantenAfter[0], s.Shanten());
        while (s.turn < 19) {
            TileKind drawn = s.Draw();
            ASSERT_NE(drawn, kNoTile);
            EXPECT_EQ(Total(s.hand), 14);
            // Discard the lowest tile so the game always runs to its end.
            TileKind k = 0;
            while (s.hand[k] == 0) ++k;
            ASSERT_TRUE(s.Discard(k, false));
        }
        for (TileKind k = 0; k < kKinds; ++k) {
            int seen = s.wall[k] + s.hand[k] + (k == indicator ? 1 : 0);
            for (int d : s.discards) seen += d == k;
            int start = mode == kModeNormal || (mode == kModeChinitsu && k <= 8) ||
                                (mode == kModeHonitsu && (k <= 8 || IsHonour(k))) ||
                                (mode == kModeKokushi && IsTerminalOrHonour(k))
                            ? 4
                            : 0;
            EXPECT_EQ(seen, start) << "mode " << mode << " kind " << k;
        }
        EXPECT_EQ(s.dora[NextKind(indicator)], 1);
    }
}

TEST(KyokuState, SameSeedSameGame) {
    auto deal = [](std::uint32_t seed) {
        SeedThreadRandom(seed);
        KyokuState s;
        s.Deal();
        return s.HandDigits();
    };
    EXPECT_EQ(deal(42), deal(42));
    EXPECT_NE(deal(42), deal(43));
}

TEST(KyokuState, TakeBackDiscardReturnsTheTileToTheWall) {
    KyokuState s = WithHand("19m");
    s.Discard(0, false);
    s.Discard(8, false);
    s.TakeBackDiscard();
    EXPECT_EQ(s.turn, 2);
    EXPECT_EQ(s.discards[1], kNoTile);
    EXPECT_EQ(s.wall[8], 4);
    EXPECT_EQ(s.hand[8], 0);  // the hand is not touched
    s.TakeBackDiscard();
    s.TakeBackDiscard();  // nothing left to take back
    EXPECT_EQ(s.turn, 1);
    EXPECT_EQ(s.wall[0], 4);
}

TEST(KyokuState, DoraIndicators) {
    KyokuState s = WithHand("555m");
    s.AddDoraIndicator(3);
    s.AddDoraIndicator(3);
    EXPECT_EQ(s.wall[3], 2);
    EXPECT_EQ(s.DoraCount(), 6);
    s.RemoveDoraIndicator(3);
    EXPECT_EQ(s.DoraCount(), 3);
    s.RemoveDoraIndicator(10);  // never added: nothing happens
    EXPECT_EQ(s.wall[10], 4);
}

TEST(KyokuState, LoneHonourKeepsEastLongest) {
    KyokuState s = WithHand("12z");
    EXPECT_EQ(s.LoneHonour(), kSouth);
    s.dora[kSouth] = 1;
    EXPECT_EQ(s.LoneHonour(), kEast);
    KyokuState pairs = WithHand("1122z");
    EXPECT_EQ(pairs.LoneHonour(), kNoTile);
}

TEST(KyokuState, HandSlotsAndKeys) {
    KyokuState s = WithHand("113m");
    s.lastDraw = 0;
    EXPECT_EQ(s.HandSlot(0), 13);
    EXPECT_EQ(s.HandSlot(2), 1);
    EXPECT_EQ(s.HandSlot(-1), -1);
    EXPECT_EQ(s.HandSlot(34), -1);

    KyokuState empty;
    empty.lastDraw = 5;
    EXPECT_EQ(empty.PositionKey(true, 0), "A" + std::string(34, '0') + "05");
    EXPECT_EQ(s.PositionKey(false, 2), "C2010" + std::string(30, '0'));
}

TEST(KyokuState, DiffMoveNamesTheDrawAndTheDiscard) {
    KyokuState before = WithHand("123m");
    KyokuState after = before;
    after.RemoveFromHand(0, false);
    after.DrawKind(kRed);
    after.DiffMove(before);
    EXPECT_EQ(after.lastDiscard, 0);
    EXPECT_EQ(after.lastDraw, kRed);
}

}  // namespace
}  // namespace mizaro
