#include "stats/game_review.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/hand_notation.h"
#include "stats/in_language.h"
#include "stats/review_turns.h"

namespace mizaro {

namespace {

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

GameReview ReviewGame(const GameRecord& record, int jobs, const std::atomic<bool>* stop) {
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
    // The game is replayed first and its choices rated afterwards, all at once.
    std::vector<TurnQuestion> questions;
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
        // After riichi the drawn tile goes out by itself, and a complete hand is never
        // discarded from in play: ReviewTurn rates only the choices.
        const bool declare = record.reachTurn == t + 1;
        questions.push_back({state, discard, declare});
        if (!state.Discard(discard, declare)) return review;
    }
    RatedTurns rated = ReviewTurns(questions, jobs, {}, stop);
    if (!rated.complete) {
        GameReview stopped;
        stopped.stopped = true;
        return stopped;
    }
    for (std::optional<TurnReview>& turn : rated.turns)
        if (turn) review.turns.push_back(*turn);

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
