#include "core/tile_html.h"
#include "core/tile_names.h"

#include <gtest/gtest.h>

#include "core/hand_notation.h"

namespace mizaro {
namespace {

KyokuState WithHand(const char* notation) {
    KyokuState s;
    s.hand = ParseTiles(notation).counts;
    return s;
}

TEST(TileNames, NamesAndImagePaths) {
    EXPECT_EQ(TileName(0), "一萬");
    EXPECT_EQ(TileName(9), "一筒");
    EXPECT_EQ(TileName(26), "九索");
    EXPECT_EQ(TileName(kGreen), "発");
    EXPECT_EQ(TileName(34), "");
    EXPECT_EQ(TileName(0, Language::kEnglish), "1m");
    EXPECT_EQ(TileName(17, Language::kEnglish), "9p");
    EXPECT_EQ(TileName(22, Language::kEnglish), "5s");
    EXPECT_EQ(TileName(kGreen, Language::kEnglish), "Green");
    EXPECT_EQ(TileName(kGreen, Language::kJapanese), "発");
    EXPECT_EQ(TileName(-1, Language::kEnglish), "");
    EXPECT_EQ(TileImagePath(0), "img/m1.gif");
    EXPECT_EQ(TileImagePath(9), "img/p1.gif");
    EXPECT_EQ(TileImagePath(26), "img/s9.gif");
    EXPECT_EQ(TileImagePath(27), "img/j1.gif");
    EXPECT_EQ(TileImagePath(33), "img/j7.gif");
    std::string kept = "old";
    TileImagePath(-2, kept);
    TileImagePath(34, kept);
    EXPECT_EQ(kept, "old");
}

TEST(TileHtml, HandRendersSortedWithOneTagPerTile) {
    KyokuState s = WithHand("7z11m");
    EXPECT_EQ(HandImagesHtml(s, "x/"),
              "<IMG SRC=\"x/img/m1.gif\"><IMG SRC=\"x/img/m1.gif\"><IMG SRC=\"x/img/j7.gif\">");
    std::string page;
    WriteHandImages(s, page);
    EXPECT_EQ(page,
              "<IMG border=0 SRC=\"img/m1.gif\" ALT=\"\"><IMG border=0 SRC=\"img/m1.gif\" "
              "ALT=\"\"><IMG border=0 SRC=\"img/j7.gif\" ALT=\"\"><BR>\n");
    EXPECT_EQ(CopyHandImagesText(s), HandImagesHtml(s, ""));
}

TEST(TileHtml, DoraIndicatorIsThePredecessorOfTheLowestDora) {
    KyokuState s;
    EXPECT_EQ(DoraIndicatorHtml(s, "p/"), "") << "no dora, no indicator";
    s.dora[4] = 1;
    EXPECT_EQ(DoraIndicatorHtml(s, ""), "ドラ表示牌：<IMG SRC=\"img/m4.gif\">");
    s.dora[2] = 1;  // an ura indicator pointing lower wins
    EXPECT_EQ(DoraIndicatorHtml(s, ""), "ドラ表示牌：<IMG SRC=\"img/m2.gif\">");
    s.dora = {};
    s.dora[0] = 1;  // the 1 wraps back to the 9
    EXPECT_EQ(DoraIndicatorHtml(s, ""), "ドラ表示牌：<IMG SRC=\"img/m9.gif\">");
}

TEST(TileHtml, PositionFragmentPointsTwoFoldersUp) {
    KyokuState s = WithHand("1m");
    s.dora[kWhite] = 1;
    EXPECT_EQ(CopyPositionHtmlText(s),
              "<P><IMG SRC=\"../../img/m1.gif\"></P>\n"
              "<P>ドラ表示牌：<IMG SRC=\"../../img/j7.gif\"></P>\n");
}

}  // namespace
}  // namespace mizaro
