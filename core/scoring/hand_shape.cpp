#include "core/scoring/hand_shape.h"

namespace mizaro {

namespace {
constexpr int kPairSize = 2;
constexpr int kChuurenEnds = 3;  // copies of the 1 and of the 9
}  // namespace

KindMask HeldKinds(const TileCounts& hand) {
    KindMask held = 0;
    for (TileKind k = 0; k < kKinds; ++k)
        if (hand[k] > 0) held |= kinds::Bit(k);
    return held;
}

bool IsKokushi(const TileCounts& hand) {
    bool doubled = false;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (!IsTerminalOrHonour(k)) {
            if (hand[k] != 0) return false;
            continue;
        }
        if (hand[k] < 1 || hand[k] > kPairSize) return false;
        if (hand[k] == kPairSize) {
            if (doubled) return false;
            doubled = true;
        }
    }
    return doubled;
}

bool IsChiitoiShape(const TileCounts& hand) {
    for (int c : hand)
        if (c != 0 && c != kPairSize) return false;
    return true;
}

int ChuurenSuit(const TileCounts& hand) {
    for (int suit = 0; suit < 3; ++suit) {
        const TileKind one = suit * 9;
        if (hand[one] < kChuurenEnds || hand[one + 8] < kChuurenEnds) continue;
        bool middle = true;
        for (TileKind k = one + 1; k < one + 8; ++k) middle = middle && hand[k] >= 1;
        if (middle) return suit;
    }
    return -1;
}

bool IsPureChuuren(const TileCounts& hand, TileKind winTile) {
    const int suit = ChuurenSuit(hand);
    if (suit < 0 || !IsValidKind(winTile)) return false;
    // The winning tile is the one copy beyond 1112345678999.
    const bool end = winTile == suit * 9 || winTile == suit * 9 + 8;
    return end ? hand[winTile] == kChuurenEnds + 1 : hand[winTile] >= kPairSize;
}

}  // namespace mizaro
