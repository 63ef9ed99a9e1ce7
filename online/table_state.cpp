#include "online/table_state.h"

#include <algorithm>

namespace mizaro {

namespace {

constexpr int kHandAfterDraw = 14;
constexpr int kMaxIndicators = 5;
constexpr int kCopies = 4;

}  // namespace

std::optional<KyokuState> TableState(const TablePosition& p) {
    const int indicators = static_cast<int>(p.doraIndicators.size());
    if (indicators < 1 || indicators > kMaxIndicators || p.drawsLeft < 0) return {};
    if (!IsWind(p.roundWind) || !IsWind(p.seatWind)) return {};
    if (!IsValidKind(p.drawn) || p.tiles[p.drawn] < 1) return {};
    TileCounts seen{};
    for (TileKind k : p.doraIndicators) {
        if (!IsValidKind(k)) return {};
        ++seen[k];
    }
    int handTiles = 0, unseenTiles = 0;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (p.tiles[k] < 0 || p.unseen[k] < 0) return {};
        if (p.tiles[k] + p.unseen[k] + seen[k] > kCopies) return {};
        handTiles += p.tiles[k];
        unseenTiles += p.unseen[k];
    }
    if (handTiles != kHandAfterDraw) return {};

    KyokuState s;
    s.hand = p.tiles;
    s.wall = p.unseen;
    s.lastDraw = p.drawn;
    s.roundWind = p.roundWind;
    s.seatWind = p.seatWind;
    s.dealer = p.seatWind == kEast;
    for (TileKind k : p.doraIndicators) ++s.dora[NextKind(k)];
    s.uraIndicatorsAtWin = indicators;
    // The turn whose next draws are the ones left; the next draw, turn + 1, finds them all.
    s.turn = std::max(1, kMaxTurns - p.drawsLeft);
    s.poolBeforeFirstDraw = unseenTiles + s.turn + 1;
    return s;
}

}  // namespace mizaro
