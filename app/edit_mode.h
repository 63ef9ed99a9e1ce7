// Position editing: a click turns a hand tile or the dora indicator into the next kind that
// still has a tile in the wall, and Delete takes every discard back.
//
// Every operation keeps each kind's total over wall, hand, indicator and discards unchanged.
#pragma once

#include "core/kyoku_state.h"

namespace mizaro {

// The first kind after `from` in direction step (+1 or -1, wrapping 33 -> 0 and 0 -> 33) whose
// wall count is above 0, looking at the 33 other kinds once each; kNoTile when none has a tile.
TileKind StepToKindInWall(const TileCounts& wall, TileKind from, int step);

// Returns the tile of kind k to the wall and draws the stepped kind instead, which becomes
// lastDraw. False, with nothing changed, when the hand has no k or no other kind is left.
bool EditHandTile(KyokuState& state, TileKind k, int step);

// Moves the dora indicator to the stepped kind. False, with nothing changed, when there is no
// indicator or no other kind is left in the wall.
bool EditDoraIndicator(KyokuState& state, int step);

// Takes every discard back into the wall: turn becomes 1 and the river is empty.
void ClearDiscards(KyokuState& state);

}  // namespace mizaro
