// Reads a game in the JSON form of the online service's viewer: the players' names and, per
// hand, the deal and each seat's lists of draws and discards. The order of play is worked out
// from the rules, then the whole game is replayed; any fault refuses the whole game with the
// hand and the seat's entry it was found in.
#pragma once

#include <string_view>

#include "online/online_game.h"

namespace mizaro {

OnlineRead ReadTenhouJson(std::string_view text);

}  // namespace mizaro
