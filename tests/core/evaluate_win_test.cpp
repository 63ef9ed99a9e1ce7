// Worked winning hands: yaku, fu and points counted by hand, and which reading wins.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/random.h"
#include "core/scoring/score_text.h"
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

// Hand-worked self-drawn wins of a non-dealer; the summary line shows the payments.
TEST(SeatScoring, WindsAndNonDealerTotals) {
    struct Case {
        const char *hand, *win, *round, *seat;
        int reach, yakuhai;
        const char* summary;
    } cases[] = {
        // South round, South seat: the South triplet counts twice; 22 + 8 + 2 (single wait).
        {"123m456p789s222z55p", "5p", "2z", "2z", 0, 2, "40符\t3 翻\t5200 点 (1300-2600)"},
        // A pair of the double wind gives 4 fu: 22 + 4 (555m) + 4 + 2 (closed wait) = 40.
        {"555m234p678s123s22z", "2s", "2z", "2z", 0, 0, "40符\t1 翻\t1500 点 (400-700)"},
        // The same pair as the round wind alone gives 2: 30 fu.
        {"555m234p678s123s22z", "2s", "2z", "3z", 0, 0, "30符\t1 翻\t1100 点 (300-500)"},
        // West seat in the East round: each value triplet once; 22 + 8 + 8 + 2.
        {"111z333z234m567p99s", "9s", "1z", "3z", 0, 2, "40符\t3 翻\t5200 点 (1300-2600)"},
        // Riichi (assumed, so no ura-dora drawn), tsumo, pinfu, tanyao, iipeikou.
        {"234m234m456p678s88s", "4m", "1z", "2z", 100, 0, "満貫\t5 翻\t8000 点 (2000-4000)"},
        {"111m333p555777s22z", "5s", "1z", "4z", 0, 0, "役満\t\t32000 点 (8000-16000)"},
    };
    for (const Case& c : cases) {
        KyokuState s = WinPosition(c.hand, c.win, 5, c.reach);
        s.roundWind = K(c.round);
        s.seatWind = K(c.seat);
        s.dealer = false;
        const std::string text = s.ScoreText();
        EXPECT_EQ(text.substr(text.rfind("\n\n") + 2), c.summary + std::string("\n")) << c.hand;
        EXPECT_EQ(s.result.han.GetHan(yaku::kYakuhai), c.yakuhai) << c.hand;
    }
}

TEST(SeatScoring, AWindTripletCountsOnceForTheRoundAndOnceForTheSeat) {
    for (TileKind round = kEast; round <= kNorth; ++round)
        for (TileKind seat = kEast; seat <= kNorth; ++seat)
            for (TileKind w = kEast; w <= kNorth; ++w) {
                const std::string triplet(3, static_cast<char>('1' + w - kEast));
                KyokuState s = WinPosition(("123m456p789s55p" + triplet + "z").c_str(), "5p", 5);
                s.roundWind = round;
                s.seatWind = seat;
                s.EvaluateWin(false, false);
                EXPECT_EQ(s.result.han.GetHan(yaku::kYakuhai), (w == round) + (w == seat))
                    << "round " << round << " seat " << seat << " triplet " << w;
            }
}

// 4 han 20 fu: 7800 as the dealer (5200 not), 18000 (12000) with two more han. The unseen 1m
// indicates the 2m held twice, the two 5z nothing: 1, 2 and 3 indicators find the 1m in 1 of
// 3, 2 of 3 and 1 of 1 ways.
TEST(SeatScoring, ExpectedUraDoraTurnsOverOneIndicatorForEachDoraIndicator) {
    for (const auto& [indicators, dealer, expected] : {std::tuple{1, true, (18000 + 2 * 7800) / 3},
                                                       {2, true, (2 * 18000 + 7800) / 3},
                                                       {3, true, 18000},
                                                       {2, false, (2 * 12000 + 5200) / 3}}) {
        KyokuState s = WinPosition("234m234m456p678s88s", "4m", 5);
        s.wall.fill(0);
        s.wall[K("1m")] = 1;
        s.wall[K("5z")] = 2;
        s.uraIndicatorsAtWin = indicators;
        s.dealer = dealer;
        EXPECT_EQ(s.EvaluateWin(true, false), expected) << indicators << " indicators";
    }
}

}  // namespace
}  // namespace mizaro
