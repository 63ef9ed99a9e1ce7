// A four-player online game as read from its log: who sat where and, for every hand, the deal
// and every action at the table in the order it happened. Both log readers fill this and hand it
// to the table replay, which refuses a game whose actions break the rules; so a game a reader
// returns can be replayed from start to end.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/tile.h"

namespace mizaro {

inline constexpr int kSeats = 4;
inline constexpr int kDealtPerSeat = 13;
// Far more than any game or name of an online game holds: a log beyond them is refused, so a
// hostile one cannot make its review or its page grow without bound.
inline constexpr std::size_t kMaxHands = 200;
inline constexpr std::size_t kMaxNameBytes = 64;

enum class ActionType : std::uint8_t {
    kDraw,       // from the wall, a replacement after a kan included
    kDiscard,    // may declare riichi
    kChi,        // the next seat calls the discard into a run
    kPon,        // any other seat calls the discard into a triplet
    kOpenKan,    // any other seat calls the discard into a kan
    kClosedKan,  // four from the hand
    kAddedKan,   // the fourth tile added to the seat's own pon
    kDora,       // a new indicator turned over
};

struct TableAction {
    ActionType type = ActionType::kDraw;
    int seat = 0;             // who acts; unused for kDora
    TileKind tile = kNoTile;  // drawn, discarded, called, the kan's kind, the indicator
    std::array<TileKind, 2> chiTiles{kNoTile, kNoTile};  // what a chi takes from the hand
    int from = -1;                                       // the seat whose discard a call takes
    bool riichi = false;                                 // a discard declaring riichi
    int source = 0;  // where in the log it was read, for messages
};

// How a hand ended, as far as its log says.
enum class HandEnd : std::uint8_t {
    kUnknown,  // the log does not say, or says it in a form not read
    kWin,
    kExhaustiveDraw,
    kNagashiMangan,  // an exhaustive draw paid as a win
    kNineTerminals,  // the abortive draws from here on
    kFourWinds,
    kFourRiichi,
    kFourKans,
    kTripleRon,
};

inline bool IsAbortiveDraw(HandEnd end) {
    return end >= HandEnd::kNineTerminals;
}

struct HandWin {
    int winner = 0;
    int from = 0;    // the seat that dealt in; the winner's own seat for a self-drawn win
    int points = 0;  // the winner's gain in the score changes, counters and sticks included
};

struct OnlineHand {
    int round = 0;  // 0..3 East 1..4, 4..7 South 1..4, ...: the round wind is round / 4
    int honba = 0;
    int sticks = 0;
    int dealer = 0;
    std::array<std::array<TileKind, kDealtPerSeat>, kSeats> dealt{};
    TileKind firstIndicator = kNoTile;
    std::vector<TableAction> actions;
    HandEnd end = HandEnd::kUnknown;
    std::vector<HandWin> wins;  // one, or more when several seats won on one discard
};

struct OnlineGame {
    std::array<std::string, kSeats> names;  // UTF-8; empty when the log gives none
    std::vector<OnlineHand> hands;
};

// What a reader returns: a whole game, or nothing and the reason.
struct OnlineRead {
    OnlineGame game;
    std::string error;
    bool ok() const { return error.empty(); }
};

}  // namespace mizaro
