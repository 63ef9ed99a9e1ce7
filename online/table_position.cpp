#include "online/table_position.h"

#include "online/table_replay.h"

namespace mizaro {

namespace {

TablePosition Snapshot(const TableReplay& replay, const OnlineHand& hand, int seat) {
    TablePosition p;
    p.seat = seat;
    p.roundWind = kEast + hand.round / 4;
    p.seatWind = kEast + (seat - hand.dealer + kSeats) % kSeats;
    p.dealer = seat == hand.dealer;
    p.tiles = replay.Concealed(seat);
    p.drawn = replay.LastDrawn(seat);
    p.drawsLeft = replay.WallLeft() / 4;
    p.doraIndicators = replay.Indicators();
    for (TileKind k = 0; k < kKinds; ++k) p.unseen[k] = 4 - p.tiles[k] - replay.Shown()[k];
    for (TileKind k : p.doraIndicators) --p.unseen[k];
    return p;
}

}  // namespace

std::vector<TablePosition> ListPositions(const OnlineGame& game, int seat) {
    std::vector<TablePosition> positions;
    if (seat < 0 || seat >= kSeats) return positions;
    for (std::size_t h = 0; h < game.hands.size(); ++h) {
        const OnlineHand& hand = game.hands[h];
        TableReplay replay;
        // The readers replayed every hand already; a refusal here means a game built elsewhere.
        if (!replay.Start(hand).empty()) continue;
        int turn = 0;
        bool rated = true;
        for (const TableAction& a : hand.actions) {
            const bool mine = a.type != ActionType::kDora && a.seat == seat;
            if (mine && a.type == ActionType::kDiscard) {
                ++turn;
                if (rated) {
                    TablePosition p = Snapshot(replay, hand, seat);
                    p.hand = static_cast<int>(h) + 1;
                    p.turn = turn;
                    p.discarded = a.tile;
                    p.riichi = a.riichi;
                    positions.push_back(std::move(p));
                    rated = !a.riichi;
                }
            } else if (mine && a.type != ActionType::kDraw) {
                rated = false;
            }
            if (!replay.Apply(a).empty()) break;
        }
    }
    return positions;
}

std::optional<int> FindPlayerSeat(const OnlineGame& game, std::string_view player) {
    if (player.size() == 1 && player[0] >= '0' && player[0] < '0' + kSeats) return player[0] - '0';
    for (int s = 0; s < kSeats; ++s)
        if (!player.empty() && game.names[s] == player) return s;
    return std::nullopt;
}

}  // namespace mizaro
