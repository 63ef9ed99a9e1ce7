// Fu of readings written out set by set, and the points of every row of the limit table.
#include <gtest/gtest.h>

#include "core/scoring/points.h"
#include "tests/core/scoring_helpers.h"

namespace mizaro {
namespace {

using namespace yaku;
using scoringtest::Reading;
using scoringtest::RunFrom;
using scoringtest::TripletOf;

TEST(Points, FuBasedAmounts) {
    EXPECT_EQ(PointsFor(1, 30), 1500);
    EXPECT_EQ(PointsFor(2, 20), 2100);
    EXPECT_EQ(PointsFor(3, 25), 4800);
    EXPECT_EQ(PointsFor(4, 30), 11700);
    EXPECT_EQ(PointsFor(4, 40), 12000);  // 15600 capped
    EXPECT_EQ(PointsFor(3, 70), 12000);
    EXPECT_EQ(PointsFor(1, 110), 5400);
}

TEST(Points, LimitTableRows) {
    const std::pair<int, int> rows[] = {{5, 12000},   {6, 18000},   {7, 18000},   {8, 24000},
                                        {10, 24000},  {11, 36000},  {12, 36000},  {13, 48000},
                                        {25, 48000},  {26, 96000},  {38, 96000},  {39, 144000},
                                        {51, 144000}, {52, 192000}, {64, 192000}, {65, 240000},
                                        {77, 240000}, {78, 288000}, {120, 288000}};
    for (const auto& [han, points] : rows) EXPECT_EQ(PointsFor(han, 30), points) << han;
}

TEST(Fu, TripletsPairAndWait) {
    // 22 + 4 (2m) + 8 (9p) + kanchan 2 = 36, rounded to 40.
    EXPECT_EQ(
        Fu(Reading({TripletOf("2m"), TripletOf("9p"), RunFrom("3s"), RunFrom("5m")}, "5s", 2, 1)),
        40);
    // An East pair counts as round and seat wind: 22 + 4 + two-sided 0 = 26, 30.
    EXPECT_EQ(Fu(Reading({RunFrom("2m"), RunFrom("4p"), RunFrom("3s"), RunFrom("5m")}, "1z", 0, 0)),
              30);
    // Dragon pair won on the pair: 22 + 2 + 2 = 26, 30; honour triplets on top: 42, 50.
    EXPECT_EQ(
        Fu(Reading({RunFrom("2m"), RunFrom("4p"), RunFrom("3s"), RunFrom("5m")}, "5z", -1, -1)),
        30);
    EXPECT_EQ(
        Fu(Reading({TripletOf("1z"), TripletOf("2z"), RunFrom("3s"), RunFrom("5m")}, "5z", -1, -1)),
        50);
    // Won on a triplet (two pairs waiting) adds nothing for the wait: 22 + 4 + 4 = 30.
    EXPECT_EQ(
        Fu(Reading({TripletOf("2m"), TripletOf("4p"), RunFrom("3s"), RunFrom("5m")}, "5s", 1, 0)),
        30);
    // Two concealed triplets of simples count 4 each: with a closed or a single wait
    // 22 + 4 + 4 + 2 = 32, 40 fu; at 2 each the same hands would round to 30.
    const auto twoSimple = {TripletOf("2m"), TripletOf("4p"), RunFrom("3s"), RunFrom("5m")};
    EXPECT_EQ(Fu(Reading(twoSimple, "5s", 2, 1)), 40);
    EXPECT_EQ(Fu(Reading(twoSimple, "5s", -1, -1)), 40);
    // Edge waits, 3 on 1-2-3 and 7 on 7-8-9, lift 22 + 8 = 30 to 40; the other ends of those
    // runs are two-sided.
    const auto sets = {TripletOf("9m"), RunFrom("1p"), RunFrom("7s"), RunFrom("5m")};
    EXPECT_EQ(Fu(Reading(sets, "5s", 1, 2)), 40);
    EXPECT_EQ(Fu(Reading(sets, "5s", 2, 0)), 40);
    EXPECT_EQ(Fu(Reading(sets, "5s", 1, 0)), 30);
    EXPECT_EQ(Fu(Reading(sets, "5s", 2, 2)), 30);
}

TEST(Fu, SevenPairsAndPinfuAreFixed) {
    AgariResult chiitoi;
    chiitoi.han.AddHan(kChiitoi, 2);
    EXPECT_EQ(Fu(chiitoi), 25);
    AgariResult pinfu =
        Reading({RunFrom("2m"), RunFrom("4p"), RunFrom("3s"), RunFrom("5m")}, "5s", 0, 1);
    pinfu.han.AddHan(kPinfu, 1);
    EXPECT_EQ(Fu(pinfu), 20);
}

TEST(ScoreReading, YakumanDropsOrdinaryYaku) {
    AgariResult r =
        Reading({TripletOf("1m"), TripletOf("3p"), TripletOf("5s"), TripletOf("7s")}, "2z", -1, -1);
    r.han.AddHan(kTsumo, 1);
    r.han.AddHan(kDora, 3);
    r.han.AddHan(kSuuankou, 26);
    EXPECT_EQ(ScoreReading(r), 96000);
    EXPECT_EQ(r.han.TotalHan(), 26);
    EXPECT_EQ(r.points, 96000);
    EXPECT_EQ(r.fu, 0);

    // Below five han the fu is kept: 1 han, 22 + 8 + 4 + 8 + 2 = 44, 50 fu: 2400.
    AgariResult small =
        Reading({TripletOf("1m"), TripletOf("3p"), TripletOf("9s"), RunFrom("5s")}, "2z", -1, -1);
    small.han.AddHan(kTsumo, 1);
    EXPECT_EQ(ScoreReading(small), 2400);
    EXPECT_EQ(small.fu, 50);
}

}  // namespace
}  // namespace mizaro
