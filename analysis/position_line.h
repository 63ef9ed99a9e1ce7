// One analysis request in text: a 14-tile hand and the options that place it in a game.
//
//   <14 tiles> [turn=<n>] [dora=<indicator>] [discards=<tiles>] [slack=0|1]
//              [mode=normal|chinitsu|honitsu|kokushi]
//
// The state is the one after a deal and turn - 1 discards: the wall is the mode's wall less
// the hand, the indicator and the given discards, which fill the first discard slots. `turn`
// defaults to 1 + the number of discards; a larger turn leaves the later slots empty and
// their tiles in the wall. The tile written last is taken as the one just drawn.
#pragma once

#include <string>
#include <string_view>

#include "core/kyoku_state.h"

namespace mizaro {

struct PositionRequest {
    KyokuState state;
    int slack = 0;
    std::string error;  // empty when the line is sound
    bool ok() const { return error.empty(); }
};

PositionRequest ParsePositionLine(std::string_view line);

const char* ModeName(int mode);

}  // namespace mizaro
