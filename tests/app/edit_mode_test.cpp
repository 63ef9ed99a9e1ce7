#include "app/edit_mode.h"

#include <gtest/gtest.h>

#include "app/hand_slots.h"
#include "core/random.h"
#include "flow_test_support.h"

namespace mizaro::testing {
namespace {

// Every kind's tiles over wall, hand, discards and the indicator.
TileCounts Totals(const KyokuState& s) {
    TileCounts totals{};
    for (TileKind k = 0; k < kKinds; ++k) totals[k] = s.wall[k] + s.hand[k];
    for (int t = 0; t < s.turn - 1; ++t) ++totals[s.discards[t]];
    const TileKind indicator = DoraIndicatorKind(s);
    if (indicator != kNoTile) ++totals[indicator];
    return totals;
}

KyokuState DealtGame(std::uint32_t seed) {
    SeedThreadRandom(seed);
    KyokuState s;
    s.Deal();
    s.DrawDoraIndicator();
    s.Draw();
    return s;
}

TEST(EditModeTest, StepsToTheNextKindLeftInTheWallBothWays) {
    TileCounts wall{};
    wall.fill(4);
    EXPECT_EQ(StepToKindInWall(wall, 5, 1), 6);
    EXPECT_EQ(StepToKindInWall(wall, 0, -1), kRed);
    EXPECT_EQ(StepToKindInWall(wall, kRed, 1), 0);
    wall[6] = 0;
    wall[7] = 0;
    EXPECT_EQ(StepToKindInWall(wall, 5, 1), 8);
    EXPECT_EQ(StepToKindInWall(wall, 8, -1), 5);
}

TEST(EditModeTest, AWallWithNoOtherKindStopsAfterOneTurnAndChangesNothing) {
    KyokuState s = Position("123456789m1134p9s", "9s", "", 3);
    EXPECT_EQ(StepToKindInWall(s.wall, 0, 1), kNoTile);
    s.wall[ParseTile("1m")] = 2;  // the clicked kind itself is no change either
    const KyokuState before = s;
    EXPECT_FALSE(EditHandTile(s, ParseTile("1m"), 1));
    EXPECT_EQ(s.hand, before.hand);
    EXPECT_EQ(s.wall, before.wall);

    s.wall.fill(0);
    s.wall[DoraIndicatorKind(s)] = 1;
    EXPECT_FALSE(EditDoraIndicator(s, -1));
    EXPECT_EQ(s.dora, before.dora);
}

TEST(EditModeTest, HandTileEditsKeepEveryKindsTotal) {
    KyokuState s = DealtGame(41);
    const TileCounts totals = Totals(s);
    const SlotKinds slots = HandSlotKinds(s);
    const TileKind k = slots[4];
    const TileKind expected = StepToKindInWall(s.wall, k, -1);
    ASSERT_TRUE(EditHandTile(s, k, -1));
    EXPECT_EQ(s.lastDraw, expected);
    EXPECT_EQ(HandSlotKinds(s)[kDrawnSlot], expected);  // the changed tile shows as the draw
    EXPECT_EQ(s.HandTileCount(), 14);
    EXPECT_EQ(Totals(s), totals);
    EXPECT_FALSE(EditHandTile(s, kNoTile, 1));
}

TEST(EditModeTest, DoraIndicatorEditsMoveTheIndicator) {
    KyokuState s = DealtGame(43);
    const TileCounts totals = Totals(s);
    const TileKind indicator = DoraIndicatorKind(s);
    const TileKind expected = StepToKindInWall(s.wall, indicator, 1);
    ASSERT_TRUE(EditDoraIndicator(s, 1));
    EXPECT_EQ(DoraIndicatorKind(s), expected);
    EXPECT_EQ(Totals(s), totals);

    KyokuState none;
    none.dora.fill(0);
    EXPECT_FALSE(EditDoraIndicator(none, 1));
}

TEST(EditModeTest, ClearingDiscardsReturnsThemToTheWall) {
    KyokuState s = DealtGame(47);
    for (int t = 0; t < 5; ++t) {
        s.Discard(s.lastDraw, false);
        s.Draw();
    }
    const TileCounts totals = Totals(s);
    const int wallTiles = s.WallTileCount();
    ClearDiscards(s);
    EXPECT_EQ(s.turn, 1);
    EXPECT_EQ(s.WallTileCount(), wallTiles + 5);
    for (int slot : s.discards) EXPECT_EQ(slot, kNoTile);
    EXPECT_EQ(s.HandTileCount(), 14);
    TileCounts after = Totals(s);
    EXPECT_EQ(after, totals);
}

TEST(HandSlotsTest, DrawnTileSitsApartAndOtherHandsShowNothing) {
    KyokuState s = Position("112233m456p789s11z", "2m", "", 1);
    const SlotKinds slots = HandSlotKinds(s);
    EXPECT_EQ(slots[0], 0);
    EXPECT_EQ(slots[1], 0);
    EXPECT_EQ(slots[2], 1);  // one 2m held back for the drawn slot
    EXPECT_EQ(slots[3], 2);
    EXPECT_EQ(slots[kDrawnSlot], 1);
    EXPECT_EQ(slots[12], kEast);

    s.RemoveFromHand(1, false);
    const SlotKinds thirteen = HandSlotKinds(s);
    EXPECT_EQ(thirteen[kDrawnSlot], kNoTile);
    EXPECT_EQ(thirteen[12], kEast);

    s.RemoveFromHand(0, false);
    for (TileKind k : HandSlotKinds(s)) EXPECT_EQ(k, kNoTile);
}

TEST(HandSlotsTest, IndicatorIsTheKindBeforeTheLowestDora) {
    KyokuState s;
    EXPECT_EQ(DoraIndicatorKind(s), kNoTile);
    s.dora[4] = 1;
    s.dora[2] = 1;
    EXPECT_EQ(DoraIndicatorKind(s), 1);
    s.dora.fill(0);
    s.dora[kWhite] = 1;
    EXPECT_EQ(DoraIndicatorKind(s), kRed);
}

}  // namespace
}  // namespace mizaro::testing
