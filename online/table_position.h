// The positions a player faced in an online game, as the player saw them: one for every
// discard made with the hand still closed and free, which is where the search can rate the
// choice by the value of the player's own hand. A call or kan of the player's own ends that
// part of a hand; the riichi discard is its last position.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/tile.h"
#include "online/online_game.h"

namespace mizaro {

struct TablePosition {
    int hand = 1;  // in the game, 1 = first
    int turn = 1;  // the player's discard number in the hand, 1 = first
    int seat = 0;
    TileKind roundWind = kEast;
    TileKind seatWind = kEast;
    bool dealer = false;
    TileCounts tiles{};  // the 14 after the draw; a red five is a five
    TileKind drawn = kNoTile;
    // Four of each kind less the player's tiles, every discard (called ones once), the tiles
    // the other players' melds showed from their hands and the indicators turned over.
    TileCounts unseen{};
    int drawsLeft = 0;  // the live wall after the player's draw, divided by four
    std::vector<TileKind> doraIndicators;
    TileKind discarded = kNoTile;
    bool riichi = false;
};

// Every position of `seat` (0..3) in a game a reader returned.
std::vector<TablePosition> ListPositions(const OnlineGame& game, int seat);

// The seat named by "0".."3" or by a player's name; nothing when neither fits.
std::optional<int> FindPlayerSeat(const OnlineGame& game, std::string_view player);

}  // namespace mizaro
