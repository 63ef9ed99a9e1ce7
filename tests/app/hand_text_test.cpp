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
    // As players write it: blanks between the groups, upper-case suits, 0 for a red five.
    for (const auto& [written, plain] :
         {std::pair{"123m 456p 789s 11z 22z", "123m456p789s1122z"},
          std::pair{"406M 406p 40s 1122z0m dora=0P", "4556m456p45s1122z dora=5p"}}) {
        ASSERT_TRUE(ParseHandText(written, s).ok) << written;
        EXPECT_EQ(FormatHandText(s), plain);
    }
}

TEST(HandText, RefusesMalformedTextsWithTheReasonAndKeepsTheState) {
    struct Case {
        const char* text;
        const char* reason;
        int mode = kModeNormal;
    };
    const Case cases[] = {
        {"", "牌が書かれていません。"},
        {"   \n", "牌が書かれていません。"},
        {"123m456p789s1122x", "17文字目の「x」は牌を表す文字ではありません。"},
        {"123m456p789s1128z", "16文字目の「8z」という字牌はありません（字牌は1z～7z）。"},
        {"123m456p789s1102z", "15文字目の「0z」という字牌はありません（字牌は1z～7z）。"},
        {"m123456p789s1122z", "1文字目の「m」の前に数字がありません。"},
        {"123m456p789s1122", "13文字目からの数字の後に m、p、s、z のどれかが必要です。"},
        {"11111m456p789s122z", "「1m」が5枚以上あります（同じ牌は4枚まで）。"},
        {"123m456p789s112z", "手牌が12枚です。13枚か14枚にしてください。"},
        {"123m456p789s112233z", "手牌が15枚です。13枚か14枚にしてください。"},
        {"123m456p789s1122z turn=3", "19文字目の「t」は牌を表す文字ではありません。"},
        {"123m456p789s1122z dora=", "dora= の後にドラ表示牌がありません。"},
        {"123m456p789s1122z dora=5p dora=6p", "dora= が2回あります。"},
        {"123m456p789s1122z dora=5p turn=3",
         "27文字目からの「turn=3」は読めません。手牌の後には dora= だけを書けます。"},
        {"１ dora=5p ×", "11文字目からの「×」は読めません。手牌の後には dora= だけを書けます。"},
        {"123m456p789s1122z dora=55p", "ドラ表示牌は1枚だけ書いてください（「55p」）。"},
        {"123m456p789s1122z dora=8z",
         "ドラ表示牌：24文字目の「8z」という字牌はありません（字牌は1z～7z）。"},
        {"dora=5p 123m456p789s1122z", "手牌を dora= より前に書いてください。"},
        {"1111m456p789s1122z dora=1m", "ドラ表示牌の「1m」は山に残っていません。"},
        {"1112345678999m1z", "「1z」はチンイツモードの山にありません。", kModeChinitsu},
        {"1112345678999m5p", "「5p」はホンイツモードの山にありません。", kModeHonitsu},
        {"19m19p19s1234567z5m", "「5m」は国士モードの山にありません。", kModeKokushi},
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
