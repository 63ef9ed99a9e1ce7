#include "online/online_review.h"

#include <algorithm>

#include "online/table_position.h"
#include "online/table_state.h"
#include "stats/game_review.h"

namespace mizaro {

namespace {

// The places of the searched losses above zero, largest first (the earlier first among equals).
std::vector<TurnPlace> LargestLosses(const std::vector<OnlineHandReview>& hands, int hand) {
    std::vector<TurnPlace> places;
    for (int h = hand < 0 ? 0 : hand; h < static_cast<int>(hands.size()); ++h) {
        for (int t = 0; t < static_cast<int>(hands[h].turns.size()); ++t) {
            const TurnReview& r = hands[h].turns[t];
            if (r.kind == RatingKind::kSearch && r.loss > 0.0) places.push_back({h, t});
        }
        if (hand >= 0) break;
    }
    auto loss = [&](const TurnPlace& p) { return hands[p.hand].turns[p.turn].loss; };
    std::stable_sort(places.begin(), places.end(),
                     [&](const TurnPlace& a, const TurnPlace& b) { return loss(a) > loss(b); });
    if (places.size() > kMarkedLosses) places.resize(kMarkedLosses);
    return places;
}

}  // namespace

OnlineReview ReviewOnlineGame(const OnlineGame& game, int seat, const ReviewProgress& progress,
                              int jobs, const std::atomic<bool>* stop) {
    OnlineReview review;
    review.seat = seat;
    for (std::size_t h = 0; h < game.hands.size(); ++h)
        review.hands.push_back({static_cast<int>(h) + 1, {}, 0.0});
    const std::vector<TablePosition> positions = ListPositions(game, seat);
    std::vector<TurnQuestion> questions;
    std::vector<const TablePosition*> asked;
    for (const TablePosition& p : positions) {
        const std::optional<KyokuState> state = TableState(p);
        if (!state || p.hand < 1 || p.hand > static_cast<int>(review.hands.size())) continue;
        questions.push_back({*state, p.discarded, p.riichi});
        asked.push_back(&p);
    }
    RatedTurns rated = ReviewTurns(questions, jobs, progress, stop);
    review.complete = rated.complete;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        std::optional<TurnReview>& turn = rated.turns[i];
        if (!turn) continue;
        // The searched turn only sets the draws to come; the player counts discards.
        turn->turn = asked[i]->turn;
        review.hands[asked[i]->hand - 1].turns.push_back(*turn);
    }
    for (int h = 0; h < static_cast<int>(review.hands.size()); ++h) {
        OnlineHandReview& hand = review.hands[h];
        for (const TurnReview& t : hand.turns)
            if (t.kind == RatingKind::kSearch) hand.totalLoss += t.loss;
        for (const TurnPlace& p : LargestLosses(review.hands, h)) hand.turns[p.turn].marked = true;
        review.totalLoss += hand.totalLoss;
    }
    review.largest = LargestLosses(review.hands, -1);
    return review;
}

}  // namespace mizaro
