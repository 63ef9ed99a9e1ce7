#include "analysis/position_line.h"

#include <gtest/gtest.h>

#include "core/hand_notation.h"

namespace mizaro {
namespace {

TEST(PositionLine, BuildsTheStateAfterTheGivenDiscards) {
    PositionRequest r = ParsePositionLine("123m456p789s35m11z2z dora=4m discards=9m1p 7z slack=1");
    ASSERT_FALSE(r.ok());  // "7z" alone is no option
    r = ParsePositionLine("  123m456p789s35m11z2z dora=4m discards=9m1p9m slack=1 mode=honitsu\r");
    EXPECT_EQ(r.error, "4p is not in the honitsu wall");

    r = ParsePositionLine("123m456p789s35m11z2z dora=4m discards=9m1p9m slack=1");
    ASSERT_TRUE(r.ok()) << r.error;
    const KyokuState& s = r.state;
    EXPECT_EQ(s.turn, 4);
    EXPECT_EQ(r.slack, 1);
    EXPECT_EQ(s.discards[0], ParseTile("9m"));
    EXPECT_EQ(s.discards[2], ParseTile("9m"));
    EXPECT_EQ(s.discards[3], kNoTile);
    EXPECT_EQ(s.dora[ParseTile("5m")], 1);
    EXPECT_EQ(s.lastDraw, ParseTile("2z"));
    // Every tile is somewhere: wall + hand + discards + the indicator = 4.
    for (TileKind k = 0; k < kKinds; ++k) {
        int n = s.wall[k] + s.hand[k] + (k == ParseTile("4m"));
        for (int d : s.discards) n += d == k;
        EXPECT_EQ(n, 4) << FormatTile(k);
    }
    EXPECT_EQ(s.WallTileCount(), 136 - 14 - 3 - 1);
}

TEST(PositionLine, TurnWithoutDiscardsLeavesTheirTilesInTheWall) {
    PositionRequest r = ParsePositionLine("1112345678999m5m turn=9 mode=chinitsu");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.state.turn, 9);
    EXPECT_EQ(r.state.WallTileCount(), 36 - 14);
    EXPECT_EQ(r.state.discards[0], kNoTile);
    EXPECT_EQ(r.state.mode, kModeChinitsu);
}

TEST(PositionLine, RefusesMalformedRequests) {
    const char* bad[] = {
        "",                                             // nothing
        "123m456p789s35m11z",                           // 13 tiles
        "123m456p789s35m11z2z turn=0",                  // turn out of range
        "123m456p789s35m11z2z turn=19",                 //
        "123m456p789s35m11z2z turn=2 discards=1p9p",    // more discards than turn - 1
        "123m456p789s35m11z2z slack=2",                 //
        "123m456p789s35m11z2z mode=sanma",              //
        "123m456p789s35m11z2z depth=3",                 // unknown option
        "123m456p789s35m11z2z turn=3 turn=4",           // repeated
        "123m456p789s35m11z2z dora=1m1m",               // not one tile
        "1111m456p789s35m11z2 dora=1m",                 // no suit letter
        "111m456p789s35m11z22z dora=2z discards=2z2z",  // no 2z left
    };
    for (const char* line : bad) EXPECT_FALSE(ParsePositionLine(line).ok()) << "'" << line << "'";
}

}  // namespace
}  // namespace mizaro
