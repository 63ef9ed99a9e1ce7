#include "app/hand_text.h"

#include <gtest/gtest.h>

#include "app/hand_slots.h"
#include "core/random.h"

namespace mizaro {
namespace {

// Where every tile of a freshly set-up position is: the wall, the hand or under its dora as
// the indicator; a mode's wall holds four of each of its kinds and none of the others.
void ExpectEveryTileOnce(const KyokuState& s) {
    KyokuState fresh;
    fresh.mode = s.mode;
    fresh.Reset();
    for (TileKind k = 0; k < kKinds; ++k)
        EXPECT_EQ(s.wall[k] + s.hand[k] + s.dora[NextKind(k)], fresh.wall[k]) << k;
}

// Random games of every mode, cut after a deal or a draw, go through text and back unchanged.
TEST(HandText, DealtHandsRoundTripWithDrawAndIndicator) {
    SeedThreadRandom(20261207);
    for (int game = 0; game < 400; ++game) {
        KyokuState dealt;
        dealt.mode = game % 4;
        dealt.Reset();
        const bool withIndicator = game % 5 != 0;
        if (withIndicator) dealt.DrawDoraIndicator();
        dealt.Deal();
        const bool drawn = game % 2 == 0;
        if (drawn) dealt.Draw();

        const std::string text = FormatHandText(dealt);
        KyokuState read;
        read.mode = dealt.mode;
        read.turn = 7;  // anything the read must replace
        ASSERT_TRUE(ParseHandText(text, read).ok)
            << text << ": " << ParseHandText(text, read).reason;
        EXPECT_EQ(read.hand, dealt.hand) << text;
        EXPECT_EQ(read.dora, dealt.dora) << text;
        EXPECT_EQ(read.wall, dealt.wall) << text;
        EXPECT_EQ(read.turn, 1);
        if (drawn) {
            EXPECT_EQ(read.lastDraw, dealt.lastDraw) << text;
        }
        EXPECT_EQ(DoraIndicatorKind(read) != kNoTile, withIndicator) << text;
        EXPECT_EQ(FormatHandText(read), text);
        ExpectEveryTileOnce(read);
    }
}

TEST(HandText, WritesTheDrawLastAndTheIndicator) {
    KyokuState s;
    ASSERT_TRUE(ParseHandText("  1112345678999m5m\tdora=7z \r\n", s).ok);
    EXPECT_EQ(s.lastDraw, 4);
    EXPECT_EQ(s.dora[kWhite], 1);  // the dragons cycle: Red indicates White
    EXPECT_EQ(FormatHandText(s), "1112345678999m5m dora=7z");
    ASSERT_TRUE(ParseHandText("19m19p19s1234567z", s).ok);
    EXPECT_EQ(FormatHandText(s), "19m19p19s1234567z");  // 13 tiles: no draw, no indicator
    EXPECT_EQ(s.HandTileCount(), 13);
}

TEST(HandText, RefusesMalformedTextsWithTheReasonAndKeepsTheState) {
    struct Case {
        const char* text;
        int mode;
        const char* reason;  // a part of the reason given
    };
    const Case cases[] = {
        {"", kModeNormal, "no tiles"},
        {"   \n", kModeNormal, "no tiles"},
        {"123m456p789s1122x", kModeNormal, "unknown character 'x'"},
        {"123m456p789s1128z", kModeNormal, "8z is not a tile"},
        {"103m456p789s1122z", kModeNormal, "digit 0"},
        {"123m456p789s1122", kModeNormal, "no suit letter"},
        {"11111m456p789s122z", kModeNormal, "more than 4 of 1m"},
        {"123m456p789s112z", kModeNormal, "12 tiles, not 13 or 14"},
        {"123m456p789s112233z", kModeNormal, "15 tiles, not 13 or 14"},
        {"123m456p789s1122z dora=", kModeNormal, "dora= has no tile"},
        {"123m456p789s1122z dora=5p dora=6p", kModeNormal, "twice"},
        {"123m456p789s1122z dora=55p", kModeNormal, "exactly one tile"},
        {"123m456p789s1122z dora=0p", kModeNormal, "digit 0"},
        {"123m456p789s1122z turn=3", kModeNormal, "got 'turn=3'"},
        {"dora=5p 123m456p789s1122z", kModeNormal, "after the hand"},
        {"1111m456p789s1122z dora=1m", kModeNormal, "no 1m left for the dora indicator"},
        {"1112345678999m1z", kModeChinitsu, "1z is not in the chinitsu wall"},
        {"1112345678999m5p", kModeHonitsu, "5p is not in the honitsu wall"},
        {"19m19p19s1234567z5m", kModeKokushi, "5m is not in the kokushi wall"},
    };
    SeedThreadRandom(7);
    for (const Case& c : cases) {
        KyokuState before;
        before.mode = c.mode;
        before.Reset();
        before.DrawDoraIndicator();
        before.Deal();
        before.Draw();
        KyokuState s = before;
        const HandTextRead read = ParseHandText(c.text, s);
        EXPECT_FALSE(read.ok) << c.text;
        EXPECT_NE(read.reason.find(c.reason), std::string::npos) << c.text << ": " << read.reason;
        EXPECT_EQ(s.hand, before.hand) << c.text;
        EXPECT_EQ(s.wall, before.wall) << c.text;
        EXPECT_EQ(s.dora, before.dora) << c.text;
        EXPECT_EQ(s.lastDraw, before.lastDraw) << c.text;
    }
}

}  // namespace
}  // namespace mizaro
