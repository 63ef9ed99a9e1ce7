#include "stats/game_review.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "analysis/computer_discard.h"
#include "analysis/nanikiru_search.h"
#include "analysis/riichi_analysis.h"
#include "core/hand_notation.h"
#include "stats/in_language.h"

namespace mizaro {

namespace {

// Values of two discards are equal when they differ by less than this share of the larger:
// two searches of equivalent positions may add the same terms in another order.
constexpr double kTieTolerance = 1e-9;

bool SameValue(double a, double b) {
    return std::fabs(a - b) <= kTieTolerance * std::max({1.0, std::fabs(a), std::fabs(b)});
}

// The value at the next draw of the 13-tile position the discard leaves, searched on its own:
// the way a candidate of the top search is valued, for a discard the top search leaves out
// because it moves away from ready.
double SearchedDiscardValue(const KyokuState& state, TileKind discard) {
    KyokuState after = state;
    after.RemoveFromHand(discard, false);
    NanikiruSearch node(after, true, true, 0);
    node.Search(true);
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

void RateBySearch(const KyokuState& state, TurnReview& review) {
    review.kind = RatingKind::kSearch;
    DiscardValues values{};
    std::array<bool, kKinds> candidate{};
    {
        NanikiruSearch top(state, true, true, 0);
        top.AnalyzeDiscards();
        top.CandidateValues(values);
        for (const NanikiruSearch* c : top.CandidateNodes())
            candidate[c->state().lastDiscard] = true;
        top.FreeCache();
    }
    const TileKind d = review.discarded;
    review.made = candidate[d] ? values[d] : SearchedDiscardValue(state, d);
    RankDiscards(values, candidate, review);

    // The search always assumes riichi, so its value of a discard that stays ready is the
    // riichi value; at turn 18 no draw is left to play either way.
    if (state.turn >= kMaxTurns) return;
    KyokuState ready = state;
    ready.Discard(d, false);
    if (ready.Shanten() != 0) return;
    const ReachAnalysis analysis(ready, review.made);
    review.hasRiichiValues = true;
    review.riichiValue = analysis.evRiichi;
    review.damaValue = analysis.evDama;
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

void MarkLargestLosses(GameReview& review) {
    std::vector<TurnReview*> searched;
    for (TurnReview& t : review.turns)
        if (t.kind == RatingKind::kSearch && t.loss > 0.0) searched.push_back(&t);
    std::stable_sort(searched.begin(), searched.end(),
                     [](const TurnReview* a, const TurnReview* b) { return a->loss > b->loss; });
    for (std::size_t i = 0; i < searched.size() && i < kMarkedLosses; ++i)
        searched[i]->marked = true;
}

int WinPoints(KyokuState state, TileKind uraIndicator) {
    state.uraIndicator = uraIndicator;
    return state.EvaluateWin(false, false);
}

}  // namespace

GameReview ReviewGame(const GameRecord& record) {
    GameReview review;
    if (!record.IsReplayable()) return review;
    review.mode = record.mode;

    // The wall of the game's mode: a draw the mode never deals cannot have been made.
    KyokuState state;
    state.mode = record.mode;
    state.Reset();
    for (TileKind k : record.dealt)
        if (!state.DrawKind(k)) return review;
    if (state.wall[record.doraIndicator] < 1) return review;
    state.AddDoraIndicator(record.doraIndicator);
    review.doraIndicator = record.doraIndicator;

    review.outcome = GameOutcome::kExhausted;
    for (int t = 0; t < kMaxTurns; ++t) {
        const TileKind drawn = record.draws[t];
        if (drawn == kNoTile) {
            // The flow ends a game only after its last turn or a win, so a record that stops
            // earlier is the game in progress.
            review.outcome = GameOutcome::kInProgress;
            break;
        }
        if (!state.DrawKind(drawn)) return review;
        review.lastTurn = t + 1;
        const int shanten = state.Shanten();
        const TileKind discard = record.discards[t];
        if (discard == kNoTile) {
            review.outcome = shanten == -1 ? GameOutcome::kWon : GameOutcome::kInProgress;
            break;
        }
        // After riichi the drawn tile goes out by itself; a complete hand is never discarded
        // from in play, so there is no choice to rate.
        const bool chosen = state.reachTurn == 0 && shanten >= 0;
        if (chosen) {
            TurnReview turn;
            turn.turn = t + 1;
            turn.hand = state.hand;
            turn.drawn = drawn;
            turn.discarded = discard;
            turn.shanten = shanten;
            if (shanten <= kReviewSearchShanten)
                RateBySearch(state, turn);
            else
                RateByTiles(state, turn);
            review.turns.push_back(turn);
        }
        const bool declare = record.reachTurn == t + 1;
        if (!state.Discard(discard, declare)) return review;
        if (chosen && declare && state.reachTurn == t + 1) review.turns.back().riichi = true;
    }

    review.reachTurn = state.reachTurn;
    review.finalShanten = state.Shanten();
    if (review.outcome == GameOutcome::kWon) review.points = WinPoints(state, record.uraIndicator);
    for (const TurnReview& t : review.turns)
        if (t.kind == RatingKind::kSearch) review.totalLoss += t.loss;
    MarkLargestLosses(review);
    review.replayed = true;
    return review;
}

std::string ReviewLine(const TurnReview& turn) {
    TileCounts best{};
    for (TileKind k = 0; k < kKinds; ++k) best[k] = turn.best[k] ? 1 : 0;
    char text[256];
    std::snprintf(text, sizeof text,
                  "turn=%d draw=%s discard=%s best=%s made=%.2f bestValue=%.2f loss=%.2f kind=%s",
                  turn.turn, FormatTile(turn.drawn).c_str(), FormatTile(turn.discarded).c_str(),
                  FormatHand(best).c_str(), turn.made, turn.bestValue, turn.loss,
                  turn.kind == RatingKind::kSearch ? "search" : "tiles");
    return text;
}

std::string OutcomeText(const GameReview& review, Language language) {
    const auto in = [language](const char* japanese, const char* english) {
        return InLanguage(language, japanese, english);
    };
    if (!review.replayed) return in("再現できない記録", "A record that cannot be replayed");
    char text[128];
    switch (review.outcome) {
        case GameOutcome::kWon:
            std::snprintf(text, sizeof text, in("和了 (%d 巡目) %d 点", "Win (turn %d) %d points"),
                          review.lastTurn, review.points);
            break;
        case GameOutcome::kExhausted:
            if (review.finalShanten == 0)
                std::snprintf(text, sizeof text, "%s",
                              in("流局 テンパイ", "Exhaustive draw, tenpai"));
            else
                std::snprintf(
                    text, sizeof text,
                    in("流局 ノーテン ( %d 向聴 )", "Exhaustive draw, noten (%d shanten)"),
                    review.finalShanten);
            break;
        case GameOutcome::kInProgress:
            std::snprintf(text, sizeof text, in("対局中 (%d 巡目)", "In progress (turn %d)"),
                          review.lastTurn);
            break;
    }
    return text;
}

}  // namespace mizaro
