#include "online/online_drill.h"

#include "online/table_position.h"
#include "online/table_state.h"

namespace mizaro {

std::vector<TableTurn> ReviewedTableTurns(const OnlineGame& game, const OnlineReview& review) {
    std::vector<TableTurn> turns;
    // The review rated a subset of the positions, in their order, each numbered by the
    // player's discard in its hand; a stopped review rated only the first ones.
    for (const TablePosition& p : ListPositions(game, review.seat)) {
        if (p.hand < 1 || p.hand > static_cast<int>(review.hands.size())) continue;
        const OnlineHandReview& hand = review.hands[p.hand - 1];
        const std::optional<KyokuState> state = TableState(p);
        if (!state) continue;
        for (const TurnReview& rated : hand.turns) {
            if (rated.turn != p.turn) continue;
            const int dealerNumber = game.hands[p.hand - 1].round % kSeats + 1;
            turns.push_back({*state, rated, p.doraIndicators, dealerNumber, p.turn});
            break;
        }
    }
    return turns;
}

}  // namespace mizaro
