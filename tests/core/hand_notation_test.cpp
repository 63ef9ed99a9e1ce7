#include "core/hand_notation.h"

#include <gtest/gtest.h>

namespace mizaro {
namespace {

TEST(HandNotation, ParsesEverySuitAndRoundTrips) {
    ParsedTiles p = ParseTiles("123m456p789s1122z");
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_EQ(p.tiles.size(), 13u);
    EXPECT_EQ(p.counts[0], 1);
    EXPECT_EQ(p.counts[9 + 3], 1);   // 4p
    EXPECT_EQ(p.counts[18 + 8], 1);  // 9s
    EXPECT_EQ(p.counts[kEast], 2);
    EXPECT_EQ(p.counts[kSouth], 2);
    EXPECT_EQ(FormatHand(p.counts), "123m456p789s1122z");
    // Unsorted input keeps its written order but formats sorted.
    ParsedTiles q = ParseTiles("7z31m");
    ASSERT_TRUE(q.ok());
    EXPECT_EQ(q.tiles, (std::vector<TileKind>{kRed, 2, 0}));
    EXPECT_EQ(FormatHand(q.counts), "13m7z");
}

TEST(HandNotation, RefusesMalformedTextWithAReason) {
    for (const char* bad : {"123x", "102m", "8z", "11111m", "123", "m", "12m 3p", "123M"}) {
        ParsedTiles p = ParseTiles(bad);
        EXPECT_FALSE(p.ok()) << bad;
        EXPECT_FALSE(p.error.empty()) << bad;
    }
}

TEST(HandNotation, SingleTiles) {
    EXPECT_EQ(ParseTile("5p"), 13);
    EXPECT_EQ(ParseTile("7z"), kRed);
    std::string why;
    EXPECT_EQ(ParseTile("55p", &why), kNoTile);
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(FormatTile(26), "9s");
    EXPECT_EQ(FormatTile(kNoTile), "-");
}

}  // namespace
}  // namespace mizaro
