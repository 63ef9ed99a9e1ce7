#include "app/hand_slots.h"

namespace mizaro {

SlotKinds HandSlotKinds(const KyokuState& state) {
    SlotKinds slots;
    slots.fill(kNoTile);
    const int held = state.HandTileCount();
    if (held != kHandSlots && held != kHandSlots - 1) return slots;
    bool holdBackDraw =
        held == kHandSlots && IsValidKind(state.lastDraw) && state.hand[state.lastDraw] > 0;
    // A loaded position may name a drawn tile the hand does not hold; then all 14 run in order.
    const int sortedSlots = holdBackDraw ? kDrawnSlot : held;
    int next = 0;
    for (TileKind k = 0; k < kKinds; ++k) {
        int count = state.hand[k];
        if (holdBackDraw && k == state.lastDraw) --count;
        for (int i = 0; i < count && next < sortedSlots; ++i) slots[next++] = k;
    }
    if (holdBackDraw) slots[kDrawnSlot] = state.lastDraw;
    return slots;
}

TileKind DoraIndicatorKind(const KyokuState& state) {
    for (TileKind k = 0; k < kKinds; ++k) {
        if (state.dora[k] > 0) return PrevKind(k);
    }
    return kNoTile;
}

}  // namespace mizaro
