// The computer's discard: the expected-value search when the hand is near enough to ready
// for it to be cheap, otherwise a count of the tiles that would bring the hand closer.
#pragma once

#include <array>
#include <atomic>
#include <optional>

#include "analysis/nanikiru_search.h"
#include "core/kyoku_state.h"

namespace mizaro {

// Equally good discards go in this order: lone winds and dragons first (East, the dealer's
// value tile, last of them), then terminals, then tiles ever nearer the middle of a suit.
inline constexpr std::array<TileKind, kKinds> kDiscardOrder = {
    30, 29, 28, 31, 32, 33, 27,  // North West South, White Green Red, East
    0,  9,  18, 8,  17, 26,      // 1s, then 9s
    1,  10, 19, 7,  16, 25,      // 2s, then 8s
    2,  11, 20, 6,  15, 24,      // 3s, then 7s
    3,  12, 21, 5,  14, 23,      // 4s, then 6s
    4,  13, 22};                 // 5s

// Chooses a discard for the 14-tile hand and makes it (declaring riichi when it leaves the
// hand ready). Returns the discarded kind, -1 when no discard was possible.
TileKind ComputerDiscard(KyokuState& state);

// The discard the expected-value search rates best. With `left`, the values (by the number of
// the next draw) of the hand that discard leaves, when the search rated that hand; nothing
// otherwise. Once `stop` is set the search ends soon and the choice is not to be used.
TileKind DeepChoice(const KyokuState& state, std::optional<TurnValues>* left = nullptr,
                    const std::atomic<bool>* stop = nullptr);

// The discard with the most tiles that lower the shanten; -1 for an empty hand.
TileKind AcceptanceChoice(const KyokuState& state);

// For each discard kind, the wall tiles that would lower the shanten after it (0 for a
// discard that raises the shanten or is not held).
void AcceptanceValues(const KyokuState& state, DiscardValues& values);

// Keeps only the best values (a dora kind survives only as a tie) and returns the first of
// them in kDiscardOrder; the tile just drawn when no value is positive.
TileKind ChooseDiscard(const KyokuState& state, DiscardValues& values);

}  // namespace mizaro
