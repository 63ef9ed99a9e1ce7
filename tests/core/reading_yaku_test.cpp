// The yaku that depend on the split into sets, on readings written out set by set.
#include <gtest/gtest.h>

#include "core/scoring/hand_shape.h"
#include "core/scoring/reading_yaku.h"
#include "core/scoring/readings.h"
#include "tests/core/scoring_helpers.h"

namespace mizaro {
namespace {

using namespace yaku;
using scoringtest::Reading;
using scoringtest::RunFrom;
using scoringtest::TripletOf;

TEST(ReadingYaku, IdenticalRuns) {
    AgariResult one = Reading({RunFrom("1m"), RunFrom("1m"), RunFrom("4p"), TripletOf("9s")}, "5z");
    TestPeikou(one);
    EXPECT_EQ(one.han.GetHan(kIipeikou), 1);

    AgariResult two = Reading({RunFrom("1m"), RunFrom("4p"), RunFrom("1m"), RunFrom("4p")}, "5s");
    TestPeikou(two);
    EXPECT_EQ(two.han.GetHan(kRyanpeikou), 3);
    EXPECT_EQ(two.han.GetHan(kIipeikou), 0);

    AgariResult three = Reading({RunFrom("1m"), RunFrom("1m"), RunFrom("1m"), RunFrom("4p")}, "5s");
    TestPeikou(three);
    AgariResult four = Reading({RunFrom("2s"), RunFrom("2s"), RunFrom("2s"), RunFrom("2s")}, "5s");
    TestPeikou(four);
    EXPECT_EQ(three.han.TotalHan() + four.han.TotalHan(), 0);
}

TEST(ReadingYaku, PinfuNeedsATwoSidedWaitAndAPlainPair) {
    const auto pinfu = [](AgariResult r) {
        TestPinfu(r);
        return r.han.GetHan(kPinfu);
    };
    const auto sets = {RunFrom("1m"), RunFrom("4m"), RunFrom("7p"), RunFrom("3s")};
    EXPECT_EQ(pinfu(Reading(sets, "2z", 1, 0)), 1);    // South pair, 4-5-6 on the 4
    EXPECT_EQ(pinfu(Reading(sets, "2z", 0, 0)), 1);    // 1-2-3 on the 1: waited 1 or 4
    EXPECT_EQ(pinfu(Reading(sets, "2z", 0, 2)), 0);    // 1-2-3 on the 3: edge
    EXPECT_EQ(pinfu(Reading(sets, "2z", 2, 0)), 0);    // 7-8-9 on the 7: edge
    EXPECT_EQ(pinfu(Reading(sets, "2z", 2, 2)), 1);    // 7-8-9 on the 9: waited 6 or 9
    EXPECT_EQ(pinfu(Reading(sets, "2z", 1, 1)), 0);    // middle tile
    EXPECT_EQ(pinfu(Reading(sets, "2z", -1, -1)), 0);  // pair wait
    EXPECT_EQ(pinfu(Reading(sets, "1z", 1, 0)), 0);    // East pair
    EXPECT_EQ(pinfu(Reading(sets, "6z", 1, 0)), 0);    // dragon pair
    EXPECT_EQ(
        pinfu(Reading({RunFrom("1m"), RunFrom("4m"), RunFrom("7p"), TripletOf("3s")}, "2z", 1, 0)),
        0);
}

TEST(ReadingYaku, ValueTriplets) {
    // East is both round and seat wind; South is neither.
    AgariResult r =
        Reading({TripletOf("1z"), TripletOf("7z"), TripletOf("2z"), RunFrom("1m")}, "5p");
    TestYakuhai(r);
    EXPECT_EQ(r.han.GetHan(kYakuhai), 3);
    AgariResult none =
        Reading({TripletOf("2z"), TripletOf("3z"), RunFrom("1m"), RunFrom("1p")}, "1z");
    TestYakuhai(none);
    EXPECT_EQ(none.han.GetHan(kYakuhai), 0);
}

TEST(ReadingYaku, OutsideHands) {
    AgariResult mixed =
        Reading({RunFrom("1m"), RunFrom("7p"), TripletOf("1z"), TripletOf("9s")}, "1s");
    TestChanta(mixed);
    EXPECT_EQ(mixed.han.GetHan(kChanta), 2);

    AgariResult pure =
        Reading({RunFrom("1m"), RunFrom("7p"), TripletOf("1p"), RunFrom("7s")}, "9m");
    TestChanta(pure);
    EXPECT_EQ(pure.han.GetHan(kJunchan), 3);
    EXPECT_EQ(pure.han.GetHan(kChanta), 0);

    AgariResult simplePair =
        Reading({RunFrom("1m"), RunFrom("7p"), TripletOf("1p"), RunFrom("7s")}, "5m");
    TestChanta(simplePair);
    AgariResult innerRun =
        Reading({RunFrom("1m"), RunFrom("6p"), TripletOf("1p"), RunFrom("7s")}, "9m");
    TestChanta(innerRun);
    EXPECT_EQ(simplePair.han.TotalHan() + innerRun.han.TotalHan(), 0);
}

TEST(ReadingYaku, StraightsAndThreeColours) {
    AgariResult ittsu =
        Reading({RunFrom("7p"), RunFrom("1p"), RunFrom("4p"), TripletOf("1z")}, "5s");
    TestIttsu(ittsu);
    EXPECT_EQ(ittsu.han.GetHan(kIttsu), 2);
    AgariResult split =
        Reading({RunFrom("7p"), RunFrom("1m"), RunFrom("4p"), TripletOf("1z")}, "5s");
    TestIttsu(split);
    EXPECT_EQ(split.han.GetHan(kIttsu), 0);

    AgariResult sanshoku =
        Reading({RunFrom("3s"), RunFrom("3m"), RunFrom("6m"), RunFrom("3p")}, "5s");
    TestSanshoku(sanshoku);
    EXPECT_EQ(sanshoku.han.GetHan(kSanshoku), 2);
    AgariResult triplets =
        Reading({TripletOf("2s"), TripletOf("2m"), RunFrom("6m"), TripletOf("2p")}, "5s");
    TestSanshoku(triplets);
    TestSanshokuKou(triplets);
    EXPECT_EQ(triplets.han.GetHan(kSanshoku), 0);
    EXPECT_EQ(triplets.han.GetHan(kSanshokuKou), 2);
}

TEST(ReadingYaku, DragonsAndWinds) {
    const auto with = [](AgariResult r) {
        TestAnkou(r);
        TestSangen(r);
        TestSuushii(r);
        return scoringtest::Yaku(r.han);
    };
    using scoringtest::YakuList;
    EXPECT_EQ(with(Reading({TripletOf("5z"), TripletOf("6z"), RunFrom("1m"), RunFrom("4m")}, "7z")),
              (YakuList{{kShousangen, 2}}));
    EXPECT_EQ(
        with(Reading({TripletOf("5z"), TripletOf("6z"), TripletOf("7z"), RunFrom("4m")}, "1m")),
        (YakuList{{kSanankou, 2}, {kDaisangen, 13}}));
    EXPECT_EQ(
        with(Reading({TripletOf("1z"), TripletOf("2z"), TripletOf("3z"), RunFrom("4m")}, "4z")),
        (YakuList{{kSanankou, 2}, {kShousuushii, 13}}));
    EXPECT_EQ(with(Reading({TripletOf("1z"), TripletOf("2z"), TripletOf("3z"), TripletOf("4z")},
                           "1m", -1, -1)),
              (YakuList{{kSuuankou, 26}, {kDaisuushii, 26}}));
}

TEST(Readings, TheMostCrowdedHandFitsTheList) {
    // 11122223333444m won on a 2m: the hand with the most readings of all (an exhaustive count
    // over every complete hand). Each split puts the 2m in up to four sets.
    ReadingList out;
    EnumerateRegular(AgariResult{}, ParseTiles("11122223333444m").counts, scoringtest::K("2m"),
                     out);
    EXPECT_EQ(out.size(), kMostRegularReadings);
    for (const AgariResult& r : out) {
        EXPECT_EQ(r.meldCount, 4);
        EXPECT_TRUE(r.winMeld == -1 || r.melds[r.winMeld][r.winPos] == scoringtest::K("2m"));
    }
}

TEST(HandShape, WholeHandClasses) {
    const auto held = [](const char* hand) { return HeldKinds(ParseTiles(hand).counts); };
    EXPECT_TRUE(IsTanyao(held("234m567p345678s88p")));
    EXPECT_FALSE(IsTanyao(held("234m567p345678s99p")));
    EXPECT_TRUE(IsHonroutou(held("111999m111p11z777z")));
    EXPECT_FALSE(IsChinroutou(held("111999m111p11z777z")));
    EXPECT_TRUE(IsChinroutou(held("111999m111p99s111s")));
    EXPECT_TRUE(IsRyuuiisou(held("234s234s666s888s66z")));
    EXPECT_FALSE(IsRyuuiisou(held("234s234s666s888s77z")));
    EXPECT_TRUE(IsHonitsu(held("111z22z555666777z")));  // honours only pass too
    EXPECT_TRUE(IsHonitsu(held("123456789m22233z")));
    EXPECT_FALSE(IsHonitsu(held("123456789m22233p")));
    EXPECT_FALSE(IsChinitsu(held("123456789m22233z")));
    EXPECT_TRUE(IsChinitsu(held("11123456789999s")));
    EXPECT_FALSE(IsChinitsu(held("123456789m22233p")));

    EXPECT_TRUE(IsChiitoiShape(ParseTiles("112233m445566p77s").counts));
    EXPECT_FALSE(IsChiitoiShape(ParseTiles("111133m445566p77s").counts));
    EXPECT_TRUE(IsKokushi(ParseTiles("119m19p19s1234567z").counts));
    EXPECT_FALSE(IsKokushi(ParseTiles("119m19p19s1234566z").counts));

    const TileCounts gates = ParseTiles("11123455678999p").counts;
    EXPECT_EQ(ChuurenSuit(gates), 1);
    EXPECT_TRUE(IsPureChuuren(gates, scoringtest::K("5p")));
    EXPECT_FALSE(IsPureChuuren(gates, scoringtest::K("6p")));
}

}  // namespace
}  // namespace mizaro
