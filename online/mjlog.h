// Reads a game in the XML form the online service stores: the players' names, and per hand an
// INIT element with the deal followed by one element per draw, discard, call, riichi and new
// dora indicator, in the order of play. The whole game is replayed; any fault refuses the whole
// game with the hand and the element it was found at.
#pragma once

#include <string_view>

#include "online/online_game.h"

namespace mizaro {

OnlineRead ReadMjlog(std::string_view text);

}  // namespace mizaro
