// The 14 hand slots of the table: which tile kind each one shows.
//
// Slots 0..12 show the hand in ascending kind order with the drawn tile held back, so the drawn
// tile always sits apart in slot 13; a 13-tile hand leaves slot 13 empty.
#pragma once

#include <array>

#include "core/kyoku_state.h"

namespace mizaro {

inline constexpr int kHandSlots = 14;
inline constexpr int kDrawnSlot = 13;

using SlotKinds = std::array<TileKind, kHandSlots>;  // kNoTile for an empty slot

// Empty (all kNoTile) unless the hand holds 13 or 14 tiles.
SlotKinds HandSlotKinds(const KyokuState& state);

// The indicator shown for the dora values: the predecessor of the lowest kind with a dora
// value; kNoTile when no kind has one.
TileKind DoraIndicatorKind(const KyokuState& state);

}  // namespace mizaro
