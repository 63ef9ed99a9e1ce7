#include "app/hand_text.h"

#include <gtest/gtest.h>

#include <utility>

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

// Written as players write it, each text reads as the same position as its plain form.
TEST(HandText, ReadsTheVariantsPlayersWrite) {
    const std::pair<const char*, const char*> cases[] = {
        {"123m 456p 789s 11z 22z", "123m456p789s1122z"},
        {"123M456P789S1122Z", "123m456p789s1122z"},
        {"406m 406p 40S 1122z 0m dora=0M", "456m456p45s1122z5m dora=5m"},
        {"  1112345678999m\t5m   dora=7z", "1112345678999m5m dora=7z"},
    };
    for (const auto& [written, plain] : cases) {
        KyokuState read, expected;
        ASSERT_TRUE(ParseHandText(plain, expected).ok) << plain;
        const HandTextRead result = ParseHandText(written, read);
        ASSERT_TRUE(result.ok) << written << ": " << result.reason;
        EXPECT_EQ(FormatHandText(read), FormatHandText(expected)) << written;
        EXPECT_EQ(read.wall, expected.wall) << written;
    }
}

TEST(HandText, RefusesMalformedTextsWithTheReasonAndKeepsTheState) {
    struct Case {
        const char* text;
        int mode;
        const char* reason;
    };
    const Case cases[] = {
        {"", kModeNormal, "牌が書かれていません。"},
        {"   \n", kModeNormal, "牌が書かれていません。"},
        {"123m456p789s1122x", kModeNormal, "17文字目の「x」は牌を表す文字ではありません。"},
        {"123m 456p ７89s1122z", kModeNormal, "11文字目の「７」は牌を表す文字ではありません。"},
        {"123m456p789s1128z", kModeNormal,
         "16文字目の「8z」という字牌はありません（字牌は1z～7z）。"},
        {"123m456p789s1102z", kModeNormal,
         "15文字目の「0z」という字牌はありません（字牌は1z～7z）。"},
        {"m123456p789s1122z", kModeNormal, "1文字目の「m」の前に数字がありません。"},
        {"123m456p789s1122", kModeNormal,
         "13文字目からの数字の後に m、p、s、z のどれかが必要です。"},
        {"11111m456p789s122z", kModeNormal, "「1m」が5枚以上あります（同じ牌は4枚まで）。"},
        {"123m456p789s112z", kModeNormal, "手牌が12枚です。13枚か14枚にしてください。"},
        {"123m456p789s112233z", kModeNormal, "手牌が15枚です。13枚か14枚にしてください。"},
        {"123m456p789s1122z turn=3", kModeNormal, "19文字目の「t」は牌を表す文字ではありません。"},
        {"123m456p789s1122z dora=", kModeNormal, "dora= の後にドラ表示牌がありません。"},
        {"123m456p789s1122z dora=5p dora=6p", kModeNormal, "dora= が2回あります。"},
        {"123m456p789s1122z dora=5p turn=3", kModeNormal,
         "27文字目からの「turn=3」は読めません。手牌の後には dora= だけを書けます。"},
        {"１ dora=5p ×", kModeNormal,
         "11文字目からの「×」は読めません。手牌の後には dora= だけを書けます。"},
        {"123m456p789s1122z dora=55p", kModeNormal,
         "ドラ表示牌は1枚だけ書いてください（「55p」）。"},
        {"123m456p789s1122z dora=8z", kModeNormal,
         "ドラ表示牌：24文字目の「8z」という字牌はありません（字牌は1z～7z）。"},
        {"dora=5p 123m456p789s1122z", kModeNormal, "手牌を dora= より前に書いてください。"},
        {"1111m456p789s1122z dora=1m", kModeNormal, "ドラ表示牌の「1m」は山に残っていません。"},
        {"1112345678999m1z", kModeChinitsu, "「1z」はチンイツモードの山にありません。"},
        {"1112345678999m5p", kModeHonitsu, "「5p」はホンイツモードの山にありません。"},
        {"19m19p19s1234567z5m", kModeKokushi, "「5m」は国士モードの山にありません。"},
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
        EXPECT_EQ(read.reason, c.reason) << c.text;
        EXPECT_EQ(s.hand, before.hand) << c.text;
        EXPECT_EQ(s.wall, before.wall) << c.text;
        EXPECT_EQ(s.dora, before.dora) << c.text;
        EXPECT_EQ(s.lastDraw, before.lastDraw) << c.text;
    }
}

}  // namespace
}  // namespace mizaro
