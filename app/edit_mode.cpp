#include "app/edit_mode.h"

#include "app/hand_slots.h"

namespace mizaro {

TileKind StepToKindInWall(const TileCounts& wall, TileKind from, int step) {
    if (!IsValidKind(from) || (step != 1 && step != -1)) return kNoTile;
    TileKind k = from;
    // One full turn at most: a wall holding only `from` must not spin forever.
    for (int i = 1; i < kKinds; ++i) {
        k = (k + step + kKinds) % kKinds;
        if (wall[k] > 0) return k;
    }
    return kNoTile;
}

bool EditHandTile(KyokuState& state, TileKind k, int step) {
    if (!IsValidKind(k) || state.hand[k] < 1) return false;
    const TileKind next = StepToKindInWall(state.wall, k, step);
    if (next == kNoTile) return false;
    state.RemoveFromHand(k, true);
    state.DrawKind(next);
    return true;
}

bool EditDoraIndicator(KyokuState& state, int step) {
    const TileKind indicator = DoraIndicatorKind(state);
    if (indicator == kNoTile) return false;
    const TileKind next = StepToKindInWall(state.wall, indicator, step);
    if (next == kNoTile) return false;
    state.RemoveDoraIndicator(indicator);
    state.AddDoraIndicator(next);
    return true;
}

void ClearDiscards(KyokuState& state) {
    while (state.turn > 1) {
        const int before = state.turn;
        state.TakeBackDiscard();
        if (state.turn == before) break;  // a turn out of range is left alone
    }
}

}  // namespace mizaro
