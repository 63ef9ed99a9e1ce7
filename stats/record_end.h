// The final state of a recorded game, rebuilt from its record alone: what RecordGame was given
// when the game ended, so counters lost from disk can be counted again from the game log.
#pragma once

#include <optional>

#include "core/kyoku_state.h"
#include "stats/game_record.h"

namespace mizaro {

// Replays a decoded record from its deal: the dealt tiles, the dora indicator, every draw and
// discard, riichi at its turn and, for a riichi win, the ura-dora indicator it turned over.
// Nothing when the record is not a game the program could have recorded: it ends neither at a
// win nor after the eighteenth discard, plays on past a win, does not reach its riichi turn,
// or a riichi win lacks its ura-dora indicator (counting it would draw one by chance).
std::optional<KyokuState> RecordedEnd(const GameRecord& record);

}  // namespace mizaro
