// A call as the XML log writes it: one 16-bit number whose bits give the kind of meld, the
// called tile and the seat it came from.
#pragma once

#include <string>

#include "online/online_game.h"

namespace mizaro {

// The action of seat `who` that `m` encodes (with its `from` seat); the reason when `m` is no
// meld of a four-player game.
std::string DecodeMeld(int who, unsigned m, TableAction& action);

}  // namespace mizaro
