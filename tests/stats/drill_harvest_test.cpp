// Problems come from the player's games exactly as the review rated them, whatever the number
// of threads; a variant with its suits exchanged is searched anew and shown only when its
// best discards are the images of the original's.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <vector>

#include "core/hand_notation.h"
#include "stats/drill_card.h"
#include "stats/drill_harvest.h"
#include "stats/game_review.h"
#include "ten_games.h"

namespace mizaro {
namespace {


const std::vector<GameRecord>& Games() {
    static const std::vector<GameRecord> games = TenGames();
    return games;
}

const HarvestResult& Harvest() {
    static const HarvestResult harvest = HarvestProblems(Games(), 0, {}, nullptr, {}, 1);
    return harvest;
}

bool Near(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a));
}

TEST(DrillHarvestThreadTest, ProblemsAreTheReviewedTurnsOverTheThresholdWithTheReviewValues) {
    // The review of each game, filtered by hand: loss >= max(1 % of best, 10 points).
    std::vector<std::pair<int, TurnReview>> expected;
    for (int g = 0; g < static_cast<int>(Games().size()); ++g) {
        GameRecord r = Games()[g];
        r.Decode();
        for (const TurnReview& t : ReviewGame(r).turns)
            if (t.kind == RatingKind::kSearch && t.loss > 0.0 &&
                t.loss >= std::max(0.01 * t.bestValue, 10.0))
                expected.push_back({g, t});
    }
    ASSERT_GE(expected.size(), 5u);

    for (int jobs : {1, 3}) {
        int calls = 0;
        const HarvestResult h = HarvestProblems(
            Games(), 0, {}, nullptr, [&](int done, int total) { calls = done + 100 * total; },
            jobs);
        EXPECT_EQ(calls, 10 + 100 * 10);
        EXPECT_EQ(h.games, 10);
        EXPECT_FALSE(h.stopped);
        ASSERT_EQ(h.problems.size(), expected.size()) << jobs;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const DrillProblem& p = h.problems[i];
            const TurnReview& t = expected[i].second;
            EXPECT_EQ(p.game, expected[i].first);
            EXPECT_EQ(p.position.turn, t.turn);
            EXPECT_EQ(p.position.hand, t.hand);
            EXPECT_EQ(p.made, t.discarded);
            EXPECT_EQ(p.best, t.best);
            EXPECT_EQ(p.madeValue, t.made);
            EXPECT_EQ(p.bestValue, t.bestValue);
            // The searched candidates agree with the review to the last bit.
            ASSERT_NE(FindCandidate(p.candidates, p.made), nullptr);
            EXPECT_EQ(FindCandidate(p.candidates, p.made)->value, t.made);
            double top = 0.0;
            for (const DrillCandidate& c : p.candidates) top = std::max(top, c.value);
            EXPECT_EQ(top, t.bestValue);
            EXPECT_EQ(BestDiscards(p.candidates), t.best);
        }
    }
    // A threshold of 0 % and 0 points keeps every searched loss.
    const HarvestResult all = HarvestProblems(Games(), 0, {0.0, 0.0}, nullptr, {}, 2);
    EXPECT_GT(all.problems.size(), expected.size());
}

TEST(DrillHarvestThreadTest, AStopKeepsTheLeadingGamesDone) {
    std::atomic<bool> stop{true};
    EXPECT_EQ(HarvestProblems(Games(), 0, {}, &stop, {}, 2).games, 0);
    stop = false;
    const HarvestResult h = HarvestProblems(
        Games(), 5, {}, &stop, [&](int done, int) { stop = done >= 4; }, 1);
    EXPECT_TRUE(h.stopped);
    EXPECT_EQ(h.games, 4);
    for (const DrillProblem& p : h.problems) EXPECT_LT(p.game, 5 + 4);
}

TEST(DrillVariant, AVariantIsSearchedAnewAndItsValuesAreTheOriginalsMapped) {
    SuitPermutation swapMp, rotate;
    swapMp.to = {1, 0, 2};
    rotate.to = {2, 0, 1};  // characters to bamboo: only for hands far from all green
    for (const DrillProblem& p : Harvest().problems) {
        for (const SuitPermutation& suits : {swapMp, rotate}) {
            const DrillCard card = PrepareCard(p, suits);
            ASSERT_TRUE(card.variant);
            EXPECT_EQ(card.position.hand[PermuteTile(suits, p.position.drawn)] > 0, true);
            ASSERT_EQ(card.candidates.size(), p.candidates.size());
            for (const DrillCandidate& c : p.candidates) {
                const DrillCandidate* v =
                    FindCandidate(card.candidates, PermuteTile(suits, c.discard));
                ASSERT_NE(v, nullptr);
                EXPECT_TRUE(Near(v->value, c.value) && Near(v->win, c.win) &&
                            Near(v->ready, c.ready))
                    << FormatTile(c.discard);
            }
        }
    }
    // A best set that does not map (here one the original never had) keeps the original.
    DrillProblem altered = Harvest().problems.front();
    altered.best.fill(false);
    altered.best[altered.made] = true;
    EXPECT_FALSE(PrepareCard(altered, swapMp).variant);
    // A stopped search gives the original, never a variant valued by a cut search.
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(PrepareCard(Harvest().problems.front(), swapMp, &stop).variant);
    // First showing: the original, unsearched.
    EXPECT_FALSE(PrepareCard(Harvest().problems.front()).variant);
}

TEST(DrillVariant, TheWallOfASingleSuitGameMovesWithItsSuit) {
    DrillProblem p;
    DrillPosition& chinitsu = p.position;
    chinitsu.mode = kModeChinitsu;
    chinitsu.turn = 3;
    chinitsu.hand = ParseTiles("11124456778999m").counts;
    chinitsu.drawn = ParseTile("9m");
    chinitsu.doraIndicator = ParseTile("4m");
    chinitsu.discards = {ParseTile("2m"), ParseTile("3m")};
    KyokuState state;
    ASSERT_TRUE(BuildProblemState(chinitsu, state));
    SuitPermutation toCircles;
    toCircles.to = {1, 0, 2};
    const KyokuState shown = PermuteState(state, toCircles);
    for (TileKind k = 0; k < 9; ++k) {
        EXPECT_EQ(shown.wall[k], 0);
        EXPECT_EQ(shown.wall[k + 9], state.wall[k]);
    }
    EXPECT_EQ(shown.dora[ParseTile("5p")], 1);

    // Searched on the circles-only wall, the variant is worth what the original is.
    p.made = ParseTile("1m");
    p.candidates = SearchCandidates(state, p.made);
    p.best = BestDiscards(p.candidates);
    const DrillCard card = PrepareCard(p, toCircles);
    ASSERT_TRUE(card.variant);
    for (const DrillCandidate& c : p.candidates)
        EXPECT_TRUE(Near(FindCandidate(card.candidates, c.discard + 9)->value, c.value));
}

}  // namespace
}  // namespace mizaro
