// The win text and the yaku names that the statistics files use as keys.
#include <gtest/gtest.h>

#include "core/scoring/score_text.h"
#include "core/scoring/yaku_names.h"
#include "tests/core/scoring_helpers.h"

namespace mizaro {
namespace {

using namespace yaku;
using scoringtest::Scored;
using scoringtest::WinPosition;

TEST(ScoreText, FuBasedWin) {
    KyokuState s = WinPosition("234m567p345678s99p", "3s", 5);
    EXPECT_EQ(s.ScoreText(), "ツモ\t1 翻\n平和\t1 翻\n\n20符\t2 翻\t2100 点\n");
}

TEST(ScoreText, LimitHandsWithHan) {
    EXPECT_EQ(
        FormatScoreText(Scored(
            {{kRiichi, 1}, {kTsumo, 1}, {kPinfu, 1}, {kTanyao, 1}, {kIipeikou, 1}}, 0, 12000)),
        "リーチ\t1 翻\nツモ\t1 翻\n平和\t1 翻\n断ヤオ\t1 翻\n一盃口\t1 翻\n"
        "\n満貫\t5 翻\t12000 点\n");
    // Four han capped at 12000 also reads as 満貫.
    EXPECT_EQ(FormatScoreText(Scored({{kTsumo, 1}, {kChanta, 2}, {kYakuhai, 1}}, 40, 12000)),
              "ツモ\t1 翻\n役牌\t1 翻\n全帯\t2 翻\n\n満貫\t4 翻\t12000 点\n");
    EXPECT_EQ(FormatScoreText(Scored({{kTsumo, 1}, {kChinitsu, 6}}, 0, 18000)),
              "ツモ\t1 翻\n清一色\t6 翻\n\n跳満\t7 翻\t18000 点\n");
    EXPECT_EQ(FormatScoreText(Scored({{kDora, 8}}, 0, 24000)),
              "ドラ\t8 翻\n\n倍満\t8 翻\t24000 点\n");
    EXPECT_EQ(FormatScoreText(Scored({{kDora, 11}}, 0, 36000)),
              "ドラ\t11 翻\n\n三倍満\t11 翻\t36000 点\n");
    // Dora beyond 12 han (a loaded position may hold many) still show their line.
    EXPECT_EQ(FormatScoreText(Scored({{kTsumo, 1}, {kDora, 16}}, 0, 48000)),
              "ツモ\t1 翻\nドラ\t16 翻\n\n数え役満\t17 翻\t48000 点\n");
}

TEST(ScoreText, Yakuman) {
    KyokuState pairWait = WinPosition("111m333p555777s22z", "2z", 5);
    EXPECT_EQ(pairWait.ScoreText(), "四暗刻\tダブル役満\n\nダブル役満\t\t96000 点\n");
    KyokuState single = WinPosition("111m333p555777s22z", "5s", 5);
    EXPECT_EQ(single.ScoreText(), "四暗刻\t役満\n\n役満\t\t48000 点\n");
    KyokuState triple = WinPosition("111z22z555666777z", "5z", 5);
    EXPECT_EQ(triple.ScoreText(),
              "四暗刻\t役満\n大三元\t役満\n字一色\t役満\n\nトリプル役満\t\t144000 点\n");
    EXPECT_EQ(
        FormatScoreText(Scored({{kSuuankou, 26}, {kDaisangen, 13}, {kTsuuiisou, 13}}, 0, 192000)),
        "四暗刻\tダブル役満\n大三元\t役満\n字一色\t役満\n\n四倍役満\t\t192000 点\n");
    EXPECT_EQ(
        FormatScoreText(Scored({{kSuuankou, 26}, {kDaisuushii, 26}, {kTsuuiisou, 13}}, 0, 240000)),
        "四暗刻\tダブル役満\n大四喜和\tダブル役満\n字一色\t役満\n\n五倍役満\t\t240000 点\n");
    EXPECT_EQ(
        FormatScoreText(Scored(
            {{kSuuankou, 26}, {kDaisuushii, 26}, {kTsuuiisou, 13}, {kTenhou, 13}}, 0, 288000)),
        "四暗刻\tダブル役満\n大四喜和\tダブル役満\n字一色\t役満\n天和\t役満\n"
        "\n六倍役満\t\t288000 点\n");
}

TEST(ScoreText, CountedYakuman) {
    // Riichi assumed, ippatsu forced: one suit of simples read as two identical-run pairs
    // with pinfu reaches 14 han.
    KyokuState s = WinPosition("22334455667788m", "8m", 5, 100);
    EXPECT_EQ(s.EvaluateWin(false, true), 48000);
    EXPECT_EQ(FormatScoreText(s.result),
              "リーチ\t1 翻\n一発\t1 翻\nツモ\t1 翻\n平和\t1 翻\n断ヤオ\t1 翻\n二盃口\t3 翻\n"
              "清一色\t6 翻\n\n数え役満\t14 翻\t48000 点\n");
}

TEST(ScoreText, NoTextWithoutAWin) {
    KyokuState s = WinPosition("234m567p345678s91p", "3s", 5);
    EXPECT_EQ(s.ScoreText(), "");
}

TEST(YakuNames, LookUpBothWays) {
    EXPECT_EQ(YakuName(kTsumo), "ツモ");
    EXPECT_EQ(YakuName(kDoubleRiichi), "Ｗリーチ");
    EXPECT_EQ(YakuName(kChuuren), "九蓮宝燈");
    EXPECT_EQ(YakuName(31), "エラー");
    EXPECT_EQ(YakuName(-1), "エラー");
    for (YakuId id = 0; id < kYakuCount; ++id) EXPECT_EQ(YakuIdByName(YakuName(id)), id);
    EXPECT_EQ(YakuIdByName("ツモ"), 3);
    EXPECT_EQ(YakuIdByName("エラー"), -1);
    EXPECT_EQ(YakuIdByName("ツモ "), -1);
    EXPECT_EQ(YakuIdByName(""), -1);
    EXPECT_EQ(YakuName(kChiitoi, Language::kEnglish), "Chiitoitsu");
    EXPECT_EQ(YakuName(kChuuren, Language::kJapanese), "九蓮宝燈");
    EXPECT_EQ(YakuName(31, Language::kEnglish), "Error");

    YakuHan han;
    SetHanByName(han, "ドラ", 4);
    SetHanByName(han, "裏ドラ", 2);  // not a yaku: writes nothing
    EXPECT_EQ(GetHanByName(han, "ドラ"), 4);
    EXPECT_EQ(GetHanByName(han, "裏ドラ"), 0);
    EXPECT_EQ(han.TotalHan(), 4);
}

}  // namespace
}  // namespace mizaro
