// Whole-hand tests of a complete 14-tile hand: the yaku that depend only on which kinds are
// held, not on how the hand splits into sets.
//
// Most of them ask whether every held kind belongs to some class, so they work on the set of
// held kinds as a bit mask, computed once per evaluation.
#pragma once

#include <cstdint>

#include "core/tile.h"

namespace mizaro {

using KindMask = std::uint64_t;  // bit k set: kind k is held

namespace kinds {
constexpr KindMask Bit(TileKind k) {
    return KindMask{1} << k;
}
constexpr KindMask Range(TileKind first, TileKind last) {
    KindMask m = 0;
    for (TileKind k = first; k <= last; ++k) m |= Bit(k);
    return m;
}
inline constexpr KindMask kHonours = Range(kEast, kRed);
inline constexpr KindMask kTerminals = Bit(0) | Bit(8) | Bit(9) | Bit(17) | Bit(18) | Bit(26);
inline constexpr KindMask kTerminalsAndHonours = kTerminals | kHonours;
inline constexpr KindMask kGreens = Bit(19) | Bit(20) | Bit(21) | Bit(23) | Bit(25) | Bit(kGreen);
inline constexpr KindMask kSuits[3] = {Range(0, 8), Range(9, 17), Range(18, 26)};
}  // namespace kinds

KindMask HeldKinds(const TileCounts& hand);

// 国士: all thirteen terminal-or-honour kinds, one of them twice.
bool IsKokushi(const TileCounts& hand);
// Seven distinct pairs: every kind held 0 or 2 times.
bool IsChiitoiShape(const TileCounts& hand);

constexpr bool IsTanyao(KindMask held) {
    return (held & kinds::kTerminalsAndHonours) == 0;
}
constexpr bool IsHonroutou(KindMask held) {
    return (held & ~kinds::kTerminalsAndHonours) == 0;
}
constexpr bool IsChinroutou(KindMask held) {
    return (held & ~kinds::kTerminals) == 0;
}
constexpr bool IsTsuuiisou(KindMask held) {
    return (held & ~kinds::kHonours) == 0;
}
constexpr bool IsRyuuiisou(KindMask held) {
    return (held & ~kinds::kGreens) == 0;
}

constexpr int SuitsHeld(KindMask held) {
    int n = 0;
    for (KindMask suit : kinds::kSuits) n += (held & suit) != 0;
    return n;
}
// Honours and at most one suit; a hand of honours only passes too.
constexpr bool IsHonitsu(KindMask held) {
    return (held & kinds::kHonours) != 0 && SuitsHeld(held) <= 1;
}
constexpr bool IsChinitsu(KindMask held) {
    return (held & kinds::kHonours) == 0 && SuitsHeld(held) == 1;
}

// 九蓮宝燈: some suit holds its 1 and 9 three times each and every 2..8 at least once.
// ChuurenSuit names the first such suit, -1 when there is none.
int ChuurenSuit(const TileCounts& hand);
inline bool IsChuuren(const TileCounts& hand) {
    return ChuurenSuit(hand) >= 0;
}
// The nine-sided wait: the thirteen tiles before the winning tile were already 1112345678999.
bool IsPureChuuren(const TileCounts& hand, TileKind winTile);

}  // namespace mizaro
