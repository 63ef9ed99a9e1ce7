#include "stats/drill_card.h"

#include <algorithm>

namespace mizaro {

namespace {

constexpr int kSuitKinds = 9;
// Of the six orders of three suits, these five move at least one; the identity comes first in
// std::next_permutation order and is skipped.
constexpr int kMovingPermutations = 5;
constexpr double kCloseShare = 0.005;

TileCounts PermuteCounts(const TileCounts& counts, const SuitPermutation& p) {
    TileCounts out{};
    for (TileKind k = 0; k < kKinds; ++k) out[PermuteTile(p, k)] = counts[k];
    return out;
}

DrillPosition PermutePosition(const DrillPosition& position, const SuitPermutation& p) {
    DrillPosition out = position;
    out.hand = PermuteCounts(position.hand, p);
    out.drawn = PermuteTile(p, position.drawn);
    out.doraIndicator = PermuteTile(p, position.doraIndicator);
    for (TileKind& d : out.discards) d = PermuteTile(p, d);
    if (out.table) {
        out.table->unseen = PermuteCounts(position.table->unseen, p);
        for (TileKind& k : out.table->laterIndicators) k = PermuteTile(p, k);
    }
    return out;
}

}  // namespace

TileKind PermuteTile(const SuitPermutation& p, TileKind k) {
    if (!IsSuited(k)) return k;
    return p.to[SuitOf(k)] * kSuitKinds + k % kSuitKinds;
}

KyokuState PermuteState(const KyokuState& state, const SuitPermutation& p) {
    KyokuState out = state;
    out.hand = PermuteCounts(state.hand, p);
    out.wall = PermuteCounts(state.wall, p);
    // The dora of a suited indicator is in its suit, so the dora counts move with the suits.
    out.dora = PermuteCounts(state.dora, p);
    for (int& d : out.discards) d = PermuteTile(p, d);
    out.lastDraw = PermuteTile(p, state.lastDraw);
    out.lastDiscard = PermuteTile(p, state.lastDiscard);
    return out;
}

SuitPermutation ChooseSuits(int problemId, int answers) {
    SuitPermutation p;
    const unsigned pick = (static_cast<unsigned>(problemId) * 7u + static_cast<unsigned>(answers)) %
                              kMovingPermutations +
                          1;
    for (unsigned i = 0; i < pick; ++i) std::next_permutation(p.to.begin(), p.to.end());
    return p;
}

DrillCard OriginalCard(const DrillProblem& problem) {
    DrillCard card;
    card.problemId = problem.id;
    card.position = problem.position;
    card.candidates = problem.candidates;
    card.best = problem.best;
    card.bestValue = problem.bestValue;
    return card;
}

DrillCard PrepareCard(const DrillProblem& problem, const std::atomic<bool>* stop) {
    if (problem.schedule.answers == 0) return OriginalCard(problem);
    return PrepareCard(problem, ChooseSuits(problem.id, problem.schedule.answers), stop);
}

DrillCard PrepareCard(const DrillProblem& problem, const SuitPermutation& suits,
                      const std::atomic<bool>* stop) {
    DrillCard original = OriginalCard(problem);
    KyokuState state;
    if (suits.IsIdentity() || !BuildProblemState(problem.position, state)) return original;
    const KyokuState shown = PermuteState(state, suits);
    DrillCard card;
    card.problemId = problem.id;
    card.variant = true;
    card.suits = suits;
    card.position = PermutePosition(problem.position, suits);
    card.candidates = SearchCandidates(shown, PermuteTile(suits, problem.made), stop);
    // A stopped search leaves no candidates; the card is not shown anyway.
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) return original;
    card.best = BestDiscards(card.candidates);
    for (TileKind k = 0; k < kKinds; ++k)
        if (problem.best[k] != card.best[PermuteTile(suits, k)]) return original;
    for (const DrillCandidate& c : card.candidates)
        card.bestValue = std::max(card.bestValue, c.value);
    return card;
}

DrillGrade GradeAnswer(const DrillCard& card, TileKind discard) {
    if (!IsValidKind(discard)) return DrillGrade::kWrong;
    if (card.best[discard]) return DrillGrade::kBest;
    const DrillCandidate* c = FindCandidate(card.candidates, discard);
    if (c != nullptr && card.bestValue - c->value < kCloseShare * card.bestValue)
        return DrillGrade::kClose;
    return DrillGrade::kWrong;
}

}  // namespace mizaro
