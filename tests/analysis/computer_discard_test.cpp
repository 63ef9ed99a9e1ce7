#include "analysis/computer_discard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/random.h"
#include "core/shanten.h"
#include "search_test_util.h"

namespace mizaro {
namespace {

TEST(ChooseDiscard, DiscardOrderIsEveryKindOnceAndBreaksTies) {
    std::array<TileKind, kKinds> sorted = kDiscardOrder;
    std::sort(sorted.begin(), sorted.end());
    for (TileKind k = 0; k < kKinds; ++k) EXPECT_EQ(sorted[k], k);

    KyokuState s = Position("123m456p789s35m11z2z");
    auto choose = [&](std::initializer_list<const char*> tied) {
        DiscardValues values{};
        for (const char* t : tied) values[ParseTile(t)] = 10.0;
        return FormatTile(ChooseDiscard(s, values));
    };
    EXPECT_EQ(choose({"1z", "2z", "4z"}), "4z");  // North before South before East
    EXPECT_EQ(choose({"1z", "5z"}), "5z");        // the dragons before East
    EXPECT_EQ(choose({"1z", "1m"}), "1z");
    EXPECT_EQ(choose({"9m", "1s"}), "1s");  // the 1s before the 9s
    EXPECT_EQ(choose({"8p", "2s"}), "2s");  // 2 before 8
    EXPECT_EQ(choose({"5m", "4s", "6p"}), "4s");
}

TEST(ChooseDiscard, OnlyTheBestSurviveAndTheDoraNeverSetsTheBar) {
    // Indicator 4m makes 5m the dora.
    KyokuState s = Position("123m456p789s35m11z2z dora=4m");
    DiscardValues values{};
    values[ParseTile("5m")] = 30.0;
    values[ParseTile("3m")] = 20.0;
    values[ParseTile("2z")] = 10.0;
    EXPECT_EQ(FormatTile(ChooseDiscard(s, values)), "3m");
    EXPECT_EQ(values[ParseTile("2z")], 0.0);
    EXPECT_EQ(values[ParseTile("5m")], 30.0);  // at least the bar, so it survives

    // As a tie the dora competes, and the order decides: 5m would go after 3m.
    values = {};
    values[ParseTile("5m")] = 20.0;
    values[ParseTile("7s")] = 20.0;
    EXPECT_EQ(FormatTile(ChooseDiscard(s, values)), "7s");
    values = {};
    values[ParseTile("5m")] = 20.0;
    values[ParseTile("8p")] = 20.0;  // 8s go before 5s
    EXPECT_EQ(FormatTile(ChooseDiscard(s, values)), "8p");

    // The dora alone with a value is still a discard.
    values = {};
    values[ParseTile("5m")] = 5.0;
    EXPECT_EQ(FormatTile(ChooseDiscard(s, values)), "5m");
}

TEST(ChooseDiscard, NothingPositiveThrowsTheDrawnTile) {
    KyokuState s = Position("123m456p789s35m11z2z");
    ASSERT_EQ(FormatTile(s.lastDraw), "2z");
    DiscardValues values{};
    EXPECT_EQ(ChooseDiscard(s, values), s.lastDraw);
}

TEST(AcceptanceValues, CountTheTilesLeftThatLowerTheShanten) {
    // Every 4m is seen, so discarding 2z leaves a hand waiting on 8s alone.
    KyokuState s = Position("123m456p79s35m11z2z4m discards=2z4z4m4m4m");
    DiscardValues values{};
    AcceptanceValues(s, values);
    // Recount directly on the hand counts.
    const int before = Shanten(s.hand);
    for (TileKind i = 0; i < kKinds; ++i) {
        double expected = 0;
        if (s.hand[i] > 0) {
            TileCounts h = s.hand;
            --h[i];
            for (TileKind j = 0; j < kKinds; ++j) {
                if (s.wall[j] == 0) continue;
                ++h[j];
                if (Shanten(h) < before) expected += s.wall[j] - 1;
                --h[j];
            }
        }
        EXPECT_EQ(values[i], expected) << FormatTile(i);
    }
    EXPECT_EQ(s.wall[ParseTile("4m")], 0);
    EXPECT_EQ(values[ParseTile("2z")], 3.0);  // the draw itself leaves three 8s
    EXPECT_EQ(values[ParseTile("4m")], 0.0);  // a discard that raises the shanten
}

// The count by its definition: every discard on a copy of the state, then every draw.
DiscardValues AcceptanceByDefinition(const KyokuState& state) {
    DiscardValues values{};
    const int before = state.Shanten();
    for (TileKind i = 0; i < kKinds; ++i) {
        KyokuState after = state;
        if (!after.Discard(i, false)) continue;
        for (TileKind j = 0; j < kKinds; ++j) {
            if (!after.DrawKind(j)) continue;
            if (after.Shanten() < before) values[i] += after.wall[j];
            after.RemoveFromHand(j, true);
        }
    }
    return values;
}

TEST(AcceptanceValues, AgreeWithTheCountByDefinitionInPlayedGames) {
    // Hands of every mode and of every stage of a game, played on by the count itself.
    SeedThreadRandom(20261207);
    int compared = 0;
    for (int game = 0; game < 120; ++game) {
        KyokuState s;
        s.mode = game % 4;
        s.Reset();
        s.Deal();
        s.DrawDoraIndicator();
        while (s.turn <= kMaxTurns && s.Draw() != kNoTile && s.Shanten() >= 0) {
            DiscardValues values{};
            AcceptanceValues(s, values);
            ASSERT_EQ(values, AcceptanceByDefinition(s)) << s.HandDigits() << " mode " << s.mode;
            ++compared;
            if (!s.Discard(ChooseDiscard(s, values), false)) break;
        }
    }
    EXPECT_GT(compared, 1000);
}

TEST(AcceptanceChoice, LeaningTowardsOrphansThrowsSimplesFirst) {
    // Orphans shanten 4, regular 3: the complete 456p run goes before any terminal.
    KyokuState s = Position("19m19p19s11222z456p");
    const ShantenResult forms = ShantenForms(s.hand);
    ASSERT_EQ(forms.kokushi, 4);
    ASSERT_EQ(forms.min, 3);
    const TileKind choice = AcceptanceChoice(s);
    EXPECT_TRUE(IsSimple(choice)) << FormatTile(choice);
    // Among simples the order decides: 4 before 6 before 5.
    EXPECT_EQ(FormatTile(choice), "4p");
}

TEST(DeepChoice, PicksTheBestCandidateValue) {
    KyokuState s = Position("123m456p79s35m11z27z turn=4 dora=6s");
    NanikiruSearch top(s, true, true, 0);
    top.AnalyzeDiscards();
    DiscardValues values;
    top.CandidateValues(values);
    top.FreeCache();
    const double best = *std::max_element(values.begin(), values.end());
    ASSERT_GT(best, 0.0);
    const TileKind choice = DeepChoice(s);
    EXPECT_EQ(values[choice], best);

    // After the last draw every value is 0: the drawn tile goes.
    KyokuState last = Position("123m456p79s35m11z27z turn=18");
    EXPECT_EQ(DeepChoice(last), last.lastDraw);
}

TEST(ComputerDiscard, SearchesBelowItsLevelAndDeclaresRiichi) {
    KyokuState s = Position("123m456p789s35m11z2z turn=5");
    s.simLevel = 1;  // shanten 0 is below it
    KyokuState expected = s;
    const TileKind choice = ComputerDiscard(s);
    EXPECT_EQ(choice, DeepChoice(expected));
    EXPECT_EQ(FormatTile(choice), "2z");
    EXPECT_EQ(s.turn, 6);
    EXPECT_EQ(s.reachTurn, 5);
    EXPECT_EQ(s.discards[4], choice);

    // At level 0 the acceptance count decides.
    KyokuState t = Position("123m456p79s35m11z27z turn=3");
    t.simLevel = 0;
    KyokuState copy = t;
    EXPECT_EQ(ComputerDiscard(t), AcceptanceChoice(copy));
    EXPECT_EQ(t.reachTurn, 0);
}

TEST(ComputerDiscard, SearchesOnlyWhileEnoughDrawsRemain) {
    // One-shanten with the useful 5m just drawn. After draw 17 only one draw is left, too few
    // to win from one-shanten: the search would value every discard at 0 and throw the 5m.
    const char* line = "123m456p79s11z27z35m";
    KyokuState late = Position(std::string(line) + " turn=17");
    late.simLevel = 3;
    ASSERT_EQ(late.Shanten(), 1);
    ASSERT_EQ(DeepChoice(late), ParseTile("5m"));
    const TileKind lateChoice = ComputerDiscard(late);
    EXPECT_TRUE(lateChoice == ParseTile("2z") || lateChoice == ParseTile("7z"))
        << FormatTile(lateChoice);

    // One draw earlier the search still has two draws and keeps the 5m.
    KyokuState earlier = Position(std::string(line) + " turn=16");
    earlier.simLevel = 3;
    KyokuState copy = earlier;
    const TileKind earlierChoice = ComputerDiscard(earlier);
    EXPECT_EQ(earlierChoice, DeepChoice(copy));
    EXPECT_NE(earlierChoice, ParseTile("5m"));
}

TEST(AcceptanceChoice, EmptyHandHasNoDiscard) {
    KyokuState s;
    EXPECT_EQ(AcceptanceChoice(s), kNoTile);
}

}  // namespace
}  // namespace mizaro
