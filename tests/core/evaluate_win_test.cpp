// Worked winning hands: yaku, fu and points counted by hand, and which reading wins.
#include <gtest/gtest.h>

#include "core/random.h"
#include "tests/core/scoring_helpers.h"

namespace mizaro {
namespace {

using namespace yaku;
using scoringtest::K;
using scoringtest::WinPosition;
using scoringtest::Yaku;
using scoringtest::YakuList;

TEST(EvaluateWin, OneSuitStraightWithHonours) {
    // 南 is no value tile for the dealer in an East round, so its triplet adds nothing.
    KyokuState s = WinPosition("123456789m22233z", "1m", 5);
    EXPECT_EQ(s.EvaluateWin(false, false), 18000);
    EXPECT_EQ(Yaku(s.result.han), (YakuList{{kTsumo, 1}, {kIttsu, 2}, {kHonitsu, 3}}));
    EXPECT_EQ(s.result.fu, 0);
}

TEST(EvaluateWin, PinfuTsumoIsTwentyFu) {
    KyokuState s = WinPosition("234m567p345678s99p", "3s", 5);
    EXPECT_EQ(s.EvaluateWin(false, false), 2100);
    EXPECT_EQ(Yaku(s.result.han), (YakuList{{kTsumo, 1}, {kPinfu, 1}}));
    EXPECT_EQ(s.result.fu, 20);
}

TEST(EvaluateWin, WinningTileTakesItsBestSet) {
    // The 3m ends 1-2-3 (an edge wait, 1500) or opens 3-4-5 (two-sided, pinfu, 2100).
    KyokuState s = WinPosition("123345m678p234s99s", "3m", 5);
    EXPECT_EQ(s.EvaluateWin(false, false), 2100);
    EXPECT_EQ(s.result.winMeld, 1);
    EXPECT_EQ(s.result.winPos, 0);
    EXPECT_EQ(s.result.han.GetHan(kPinfu), 1);
}

TEST(EvaluateWin, TwoIdenticalRunPairsBeatSevenPairs) {
    // Seven pairs: 3 han 25 fu, 4800. As 二盃口 on the pair wait: 4 han 30 fu, 11700.
    KyokuState pairWait = WinPosition("112233m445566p77s", "7s", 5);
    EXPECT_EQ(pairWait.EvaluateWin(false, false), 11700);
    EXPECT_EQ(Yaku(pairWait.result.han), (YakuList{{kTsumo, 1}, {kRyanpeikou, 3}}));
    EXPECT_EQ(pairWait.result.fu, 30);

    // Won on a 1m, both identical runs hold it; they tie at 12000 and the first one stays.
    KyokuState runWait = WinPosition("112233m445566p77s", "1m", 5);
    EXPECT_EQ(runWait.EvaluateWin(false, false), 12000);
    EXPECT_EQ(runWait.result.winMeld, 0);
    EXPECT_EQ(Yaku(runWait.result.han), (YakuList{{kTsumo, 1}, {kPinfu, 1}, {kRyanpeikou, 3}}));
}

TEST(EvaluateWin, SevenPairsKeptOnATie) {
    // Riichi assumed (no ura drawn) and four dora: seven pairs reach 9 han, the identical-run
    // reading 10; both pay 24000, and the seven-pairs reading comes first.
    KyokuState s = WinPosition("223344m556677p88s", "8s", 5, 100);
    s.AddDoraIndicator(K("1m"));
    s.AddDoraIndicator(K("7s"));
    EXPECT_EQ(s.EvaluateWin(false, false), 24000);
    EXPECT_EQ(s.result.han.GetHan(kChiitoi), 2);
    EXPECT_EQ(s.result.han.GetHan(kRyanpeikou), 0);
    EXPECT_EQ(s.result.han.TotalHan(), 9);
    EXPECT_EQ(s.uraIndicator, kNoTile);
}

TEST(EvaluateWin, ThreeIdenticalRunsReadAsTriplets) {
    // As runs: pinfu tsumo, 2100, and no 一盃口. As three triplets: 三暗刻, 3 han, and
    // 22 + 8 (1m) + 4 + 4 = 38 fu, rounded to 40: 7800.
    KyokuState s = WinPosition("111222333m456p77s", "4p", 5);
    EXPECT_EQ(s.EvaluateWin(false, false), 7800);
    EXPECT_EQ(Yaku(s.result.han), (YakuList{{kTsumo, 1}, {kSanankou, 2}}));
    EXPECT_EQ(s.result.fu, 40);
}

TEST(EvaluateWin, FourConcealedTripletsDependOnTheWait) {
    KyokuState pairWait = WinPosition("111m333p555777s22z", "2z", 5);
    EXPECT_EQ(pairWait.EvaluateWin(false, false), 96000);
    EXPECT_EQ(Yaku(pairWait.result.han), (YakuList{{kSuuankou, 26}}));

    KyokuState tripletWait = WinPosition("111m333p555777s22z", "5s", 5);
    EXPECT_EQ(tripletWait.EvaluateWin(false, false), 48000);
    EXPECT_EQ(Yaku(tripletWait.result.han), (YakuList{{kSuuankou, 13}}));
}

TEST(EvaluateWin, ThirteenOrphansAndNineGates) {
    KyokuState thirteenSided = WinPosition("119m19p19s1234567z", "1m", 5);
    EXPECT_EQ(thirteenSided.EvaluateWin(false, false), 96000);
    EXPECT_EQ(Yaku(thirteenSided.result.han), (YakuList{{kKokushi, 26}}));
    KyokuState single = WinPosition("119m19p19s1234567z", "9m", 5);
    EXPECT_EQ(single.EvaluateWin(false, false), 48000);

    KyokuState nineSided = WinPosition("11123456789999m", "9m", 5);
    EXPECT_EQ(nineSided.EvaluateWin(false, false), 96000);
    EXPECT_EQ(Yaku(nineSided.result.han), (YakuList{{kChuuren, 26}}));
    KyokuState plain = WinPosition("11112345678999m", "5m", 5);
    EXPECT_EQ(plain.EvaluateWin(false, false), 48000);
    EXPECT_EQ(Yaku(plain.result.han), (YakuList{{kChuuren, 13}}));
}

TEST(EvaluateWin, OrphansReadingIsTakenBeforeTheFirstTurnWin) {
    // The thirteen-orphans reading is copied from the base before 天和 is added, so a win
    // before any discard stays a single yakuman; the seven-pairs reading is copied after it.
    KyokuState orphans = WinPosition("119m19p19s1234567z", "9m", 1);
    EXPECT_EQ(orphans.EvaluateWin(false, false), 48000);
    EXPECT_EQ(Yaku(orphans.result.han), (YakuList{{kKokushi, 13}}));

    KyokuState pairs = WinPosition("1122m3344p5566s77z", "7z", 1);
    EXPECT_EQ(pairs.EvaluateWin(false, false), 48000);
    EXPECT_EQ(Yaku(pairs.result.han), (YakuList{{kTenhou, 13}}));
}

TEST(EvaluateWin, YakumanAddUp) {
    // 字一色 and 大三元 always come with four concealed triplets here.
    KyokuState onTriplet = WinPosition("111z22z555666777z", "5z", 5);
    EXPECT_EQ(onTriplet.EvaluateWin(false, false), 144000);
    EXPECT_EQ(Yaku(onTriplet.result.han),
              (YakuList{{kSuuankou, 13}, {kDaisangen, 13}, {kTsuuiisou, 13}}));
    KyokuState onPair = WinPosition("111z22z555666777z", "2z", 5);
    EXPECT_EQ(onPair.EvaluateWin(false, false), 192000);

    // A win before any discard is 天和, and it drops the ordinary yaku.
    KyokuState first = WinPosition("234m567p345678s99p", "3s", 1);
    EXPECT_EQ(first.EvaluateWin(false, false), 48000);
    EXPECT_EQ(Yaku(first.result.han), (YakuList{{kTenhou, 13}}));
}

TEST(EvaluateWin, RiichiWinTurnsOverOneUraIndicator) {
    SeedThreadRandom(7);
    KyokuState s = WinPosition("234m567p345678s99p", "3s", 4, 3);
    const int wallBefore = s.WallTileCount();
    const int points = s.EvaluateWin(false, false);
    EXPECT_EQ(s.result.han.GetHan(kRiichi), 1);
    EXPECT_EQ(s.result.han.GetHan(kIppatsu), 1);
    ASSERT_NE(s.uraIndicator, kNoTile);
    EXPECT_EQ(s.WallTileCount(), wallBefore - 1);
    EXPECT_GE(s.dora[NextKind(s.uraIndicator)], 1);

    const TileKind ura = s.uraIndicator;
    EXPECT_EQ(s.EvaluateWin(false, false), points);
    EXPECT_EQ(s.uraIndicator, ura);
    EXPECT_EQ(s.WallTileCount(), wallBefore - 1);
}

TEST(EvaluateWin, RiichiKinds) {
    KyokuState doubleRiichi = WinPosition("234m567p345678s99p", "3s", 6, 1);
    doubleRiichi.uraIndicator = K("1z");  // marked as turned over: nothing is drawn
    doubleRiichi.EvaluateWin(false, false);
    EXPECT_EQ(doubleRiichi.result.han.GetHan(kDoubleRiichi), 2);
    EXPECT_EQ(doubleRiichi.result.han.GetHan(kRiichi), 0);
    EXPECT_EQ(doubleRiichi.result.han.GetHan(kIppatsu), 0);

    // The analysis assumes riichi without a turn: no ippatsu by turn, but on request.
    KyokuState assumed = WinPosition("234m567p345678s99p", "3s", 6, 100);
    assumed.EvaluateWin(false, false);
    EXPECT_EQ(Yaku(assumed.result.han), (YakuList{{kRiichi, 1}, {kTsumo, 1}, {kPinfu, 1}}));
    assumed.EvaluateWin(false, true);
    EXPECT_EQ(assumed.result.han.GetHan(kIppatsu), 1);
}

TEST(EvaluateWin, IncompleteHandLeavesResult) {
    KyokuState s = WinPosition("234m567p345678s99p", "3s", 5);
    s.EvaluateWin(false, false);
    s.RemoveFromHand(K("9p"), true);
    s.DrawKind(K("1z"));
    EXPECT_EQ(s.EvaluateWin(false, false), 0);
    EXPECT_EQ(s.result.points, 2100);
}

TEST(ExpectedWithUra, AveragesOverTheUnseenIndicators) {
    // Two unseen East (pointing at South: no ura-dora) and one unseen 8p (pointing at the
    // pair of 9p: two). Pinfu tsumo is 2100; with two dora 4 han 20 fu, 7800.
    // (2 x 2100 + 1 x 7800) / 3 = 4000.
    KyokuState s = WinPosition("234m567p345678s99p", "3s", 5);
    s.wall.fill(0);
    s.wall[K("1z")] = 2;
    s.wall[K("8p")] = 1;
    EXPECT_EQ(s.EvaluateWin(true, false), 4000);
    EXPECT_EQ(s.result.points, 2100);
    EXPECT_EQ(s.ExpectedWithUra(s.result), 4000);

    // With nothing left to turn over the ura-dora adds nothing.
    s.wall.fill(0);
    EXPECT_EQ(s.ExpectedWithUra(s.result), 2100);
}

}  // namespace
}  // namespace mizaro
