// Tile kinds: the 34 kinds of tile as small integers, and the predicates scoring relies on.
//
// The numbering is part of every file, key and table format, so it never changes:
// 0..8 characters 1..9, 9..17 circles 1..9, 18..26 bamboo 1..9, 27..30 the winds
// East South West North, 31..33 the dragons White Green Red.
#pragma once

#include <array>

namespace mizaro {

using TileKind = int;
inline constexpr TileKind kNoTile = -1;  // an empty discard slot, no indicator, a pair wait
inline constexpr int kKinds = 34;

inline constexpr TileKind kEast = 27;
inline constexpr TileKind kSouth = 28;
inline constexpr TileKind kWest = 29;
inline constexpr TileKind kNorth = 30;
inline constexpr TileKind kWhite = 31;
inline constexpr TileKind kGreen = 32;
inline constexpr TileKind kRed = 33;

// Per-kind tile counts: a hand, a wall, dora values.
using TileCounts = std::array<int, kKinds>;

constexpr bool IsValidKind(TileKind k) {
    return k >= 0 && k < kKinds;
}
constexpr bool IsHonour(TileKind k) {
    return k >= 27 && k <= 33;
}
constexpr bool IsSuited(TileKind k) {
    return k >= 0 && k < 27;
}
constexpr bool IsDragon(TileKind k) {
    return k >= 31 && k <= 33;
}
constexpr bool IsWind(TileKind k) {
    return k >= 27 && k <= 30;
}
constexpr int SuitOf(TileKind k) {
    return k / 9;
}
constexpr int NumberOf(TileKind k) {
    return k % 9 + 1;
}  // 1..9 for suited kinds

// 么九: the ones, the nines and the honours.
constexpr bool IsTerminalOrHonour(TileKind k) {
    return k == 0 || k == 8 || k == 9 || k == 17 || k == 18 || k == 26 || IsHonour(k);
}
constexpr bool IsTerminal(TileKind k) {
    return IsSuited(k) && (k % 9 == 0 || k % 9 == 8);
}
constexpr bool IsSimple(TileKind k) {
    return IsValidKind(k) && !IsTerminalOrHonour(k);
}
constexpr bool IsGreen(TileKind k) {
    return k == 19 || k == 20 || k == 21 || k == 23 || k == 25 || k == kGreen;
}

// The dora an indicator points to: the next kind in its suit, winds and dragons in their cycle.
constexpr TileKind NextKind(TileKind k) {
    if (k == 8 || k == 17 || k == 26) return k - 8;
    if (k == kNorth) return kEast;
    if (k == kRed) return kWhite;
    return k + 1;
}

// The exact inverse of NextKind; outside 0..33 it simply steps down (-1 gives -2).
constexpr TileKind PrevKind(TileKind k) {
    if (k == 0 || k == 9 || k == 18) return k + 8;
    if (k == kEast) return kNorth;
    if (k == kWhite) return kRed;
    return k - 1;
}

}  // namespace mizaro
