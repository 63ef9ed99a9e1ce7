// The order of play of a hand logged seat by seat. A log of this form lists, for each seat,
// what the seat took (wall draws and calls) and what it gave back (discards and kans), but not
// how the four seats' lists interleave. The rules fix it almost everywhere: the dealer starts,
// play passes to the next seat, a kan is followed by the same seat's replacement draw. Only at
// a discard is there a choice: a seat whose next entry calls that tile may call it, or may
// let it go and call a later copy. A depth-first search over those choices takes the one
// reading in which every call and every discard fits.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/tile.h"
#include "online/online_game.h"

namespace mizaro {

struct SeatTake {
    enum class Kind { kWall, kChi, kPon, kOpenKan } kind = Kind::kWall;
    TileKind tile = kNoTile;  // drawn or called
    int fromOffset = 0;       // a call: 1 the next seat, 2 across, 3 the previous
    std::array<TileKind, 2> chiTiles{kNoTile, kNoTile};
};

struct SeatGive {
    enum class Kind { kDiscard, kClosedKan, kAddedKan, kNothing } kind = Kind::kDiscard;
    TileKind tile = kNoTile;
    bool riichi = false;
};

// Entry i of `gives` answers entry i of `takes`.
struct SeatLog {
    std::vector<SeatTake> takes;
    std::vector<SeatGive> gives;
};

// The largest list a seat may hold: more than the wall and every call could give it.
inline constexpr int kMaxSeatEntries = 100;

// Fills `actions` with the seats' entries in the order of play; `source` is the entry's index
// in its seat's list. Dora indicators are left out. The reason when no order fits, else empty.
std::string OrderSeatLogs(const std::array<SeatLog, kSeats>& seats, int dealer,
                          std::vector<TableAction>& actions);

}  // namespace mizaro
