#include "stats/turn_review.h"

#include <algorithm>
#include <cmath>

#include "analysis/computer_discard.h"
#include "analysis/nanikiru_search.h"
#include "analysis/riichi_analysis.h"

namespace mizaro {

namespace {

constexpr int kHandAfterDraw = 14;

// Values of two discards are equal when they differ by less than this share of the larger:
// two searches of equivalent positions may add the same terms in another order.
constexpr double kTieTolerance = 1e-9;

bool SameValue(double a, double b) {
    return std::fabs(a - b) <= kTieTolerance * std::max({1.0, std::fabs(a), std::fabs(b)});
}

// The value at the next draw of the 13-tile position the discard leaves, searched on its own:
// the way a candidate of the top search is valued, for a discard the top search leaves out
// because it moves away from ready. Nothing when stopped.
std::optional<double> SearchedDiscardValue(const KyokuState& state, TileKind discard,
                                           const std::atomic<bool>* stop) {
    KyokuState after = state;
    after.RemoveFromHand(discard, false);
    NanikiruSearch node(after, true, true, 0);
    node.SetStop(stop);
    node.Search(true);
    if (node.stopped()) return std::nullopt;
    const double value = TurnValue(node.ev(), state.turn + 1);
    node.FreeCache();
    return value;
}

// Fills `best`, `bestValue` and `loss` from the rated values of every discard candidate.
void RankDiscards(const DiscardValues& values, const std::array<bool, kKinds>& candidate,
                  TurnReview& review) {
    double top = review.made;
    for (TileKind k = 0; k < kKinds; ++k)
        if (candidate[k]) top = std::max(top, values[k]);
    review.bestValue = top;
    for (TileKind k = 0; k < kKinds; ++k)
        review.best[k] = candidate[k] && SameValue(values[k], top);
    // The discard made may be worth as much as the best (or more, when the search left it out
    // for moving away from ready): then it is a best discard and costs nothing.
    if (SameValue(review.made, top)) {
        review.best[review.discarded] = true;
        review.loss = 0.0;
    } else {
        review.loss = top - review.made;
    }
}

// False when stopped, with `review` half rated.
bool RateBySearch(const KyokuState& state, TurnReview& review, const std::atomic<bool>* stop) {
    review.kind = RatingKind::kSearch;
    DiscardValues values{};
    std::array<bool, kKinds> candidate{};
    {
        NanikiruSearch top(state, true, true, 0);
        top.SetStop(stop);
        top.AnalyzeDiscards();
        if (top.stopped()) return false;
        top.CandidateValues(values);
        for (const NanikiruSearch* c : top.CandidateNodes())
            candidate[c->state().lastDiscard] = true;
        top.FreeCache();
    }
    const TileKind d = review.discarded;
    if (candidate[d]) {
        review.made = values[d];
    } else if (const std::optional<double> made = SearchedDiscardValue(state, d, stop)) {
        review.made = *made;
    } else {
        return false;
    }
    RankDiscards(values, candidate, review);

    // The search always assumes riichi, so its value of a discard that stays ready is the
    // riichi value; at turn 18 no draw is left to play either way.
    if (state.turn >= kMaxTurns) return true;
    KyokuState ready = state;
    ready.Discard(d, false);
    if (ready.Shanten() != 0) return true;
    const ReachAnalysis analysis(ready, review.made, stop);
    if (analysis.stopped) return false;
    review.hasRiichiValues = true;
    review.riichiValue = analysis.evRiichi;
    review.damaValue = analysis.evDama;
    return true;
}

void RateByTiles(const KyokuState& state, TurnReview& review) {
    review.kind = RatingKind::kTiles;
    DiscardValues values{};
    AcceptanceValues(state, values);
    std::array<bool, kKinds> held{};
    for (TileKind k = 0; k < kKinds; ++k) held[k] = state.hand[k] > 0;
    review.made = values[review.discarded];
    RankDiscards(values, held, review);
}

}  // namespace

std::optional<TurnReview> ReviewTurn(const KyokuState& position, TileKind discard, bool riichi,
                                     const std::atomic<bool>* stop) {
    if (position.HandTileCount() != kHandAfterDraw || position.reachTurn != 0) return {};
    if (position.turn < 1 || position.turn > kMaxTurns) return {};
    if (!IsValidKind(discard) || position.hand[discard] < 1) return {};
    const int shanten = position.Shanten();
    // A complete hand is never discarded from in play.
    if (shanten < 0) return {};

    TurnReview turn;
    turn.turn = position.turn;
    turn.hand = position.hand;
    turn.drawn = position.lastDraw;
    turn.discarded = discard;
    turn.shanten = shanten;
    if (shanten <= kReviewSearchShanten) {
        if (!RateBySearch(position, turn, stop)) return {};
    } else {
        RateByTiles(position, turn);
    }
    // Riichi stands only where the game would accept it: the discard leaves the hand ready.
    KyokuState after = position;
    turn.riichi = riichi && after.Discard(discard, true) && after.reachTurn == position.turn;
    return turn;
}

}  // namespace mizaro
