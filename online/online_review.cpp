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
                              const std::atomic<bool>* stop) {
    OnlineReview review;
    review.seat = seat;
    for (std::size_t h = 0; h < game.hands.size(); ++h)
        review.hands.push_back({static_cast<int>(h) + 1, {}, 0.0});
    const std::vector<TablePosition> positions = ListPositions(game, seat);
    const int total = static_cast<int>(positions.size());
    for (int i = 0; i < total; ++i) {
        const TablePosition& p = positions[i];
        const std::optional<KyokuState> state = TableState(p);
        std::optional<TurnReview> turn;
        if (state && p.hand >= 1 && p.hand <= static_cast<int>(review.hands.size()))
            turn = ReviewTurn(*state, p.discarded, p.riichi, stop);
        // A position whose search was stopped has no turn: the review is not complete.
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            review.complete = false;
            break;
        }
        if (turn) {
            // The searched turn only sets the draws to come; the player counts discards.
            turn->turn = p.turn;
            review.hands[p.hand - 1].turns.push_back(*turn);
        }
        if (progress && !progress(i + 1, total)) {
            review.complete = i + 1 == total;
            break;
        }
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
