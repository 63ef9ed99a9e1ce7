// TurnReview: what one discard cost, rated on the position the player faced.
//
// Near ready the expected-value search rates the discard, with riichi assumed: the value at
// the next draw of the discard made against the best one. Further away the computer's count
// of the tiles that would bring the hand closer rates it. Where the discard leaves the hand
// ready and riichi is still open, the riichi analysis adds what declaring was worth against
// staying concealed. A solo game's review rates each of its turns this way, and so does the
// review of a position taken from a four-player game (its winds, seat and pool in the state).
#pragma once

#include <array>
#include <atomic>
#include <optional>

#include "core/kyoku_state.h"

namespace mizaro {

// The search rates hands at most this far from ready; beyond, it would take too long per turn.
inline constexpr int kReviewSearchShanten = 3;

enum class RatingKind { kSearch, kTiles };

struct TurnReview {
    int turn = 0;
    TileCounts hand{};  // the 14 tiles after the draw
    TileKind drawn = kNoTile;
    TileKind discarded = kNoTile;
    int shanten = 0;      // of the 14 tiles
    bool riichi = false;  // the discard declared riichi
    RatingKind kind = RatingKind::kSearch;
    std::array<bool, kKinds> best{};  // every discard that reaches bestValue
    double made = 0.0;                // points at the next draw, or tiles
    double bestValue = 0.0;
    double loss = 0.0;    // bestValue - made, never below 0
    bool marked = false;  // among the largest searched losses of the game
    // When the discard made leaves the hand ready before the last turn: the value of that
    // ready hand at the next draw with riichi and without it (dama).
    bool hasRiichiValues = false;
    double riichiValue = 0.0;
    double damaValue = 0.0;
};

// Rates `discard` (declaring riichi when `riichi` and the hand it leaves is ready) from the
// 14-tile `position`, whose turn is the one of the draw just made. Nothing when there was no
// choice to rate: a hand already complete or in riichi, a turn past the last, or a discard
// not held. Nothing either once `stop` is set: the searches end soon and rate nothing.
std::optional<TurnReview> ReviewTurn(const KyokuState& position, TileKind discard, bool riichi,
                                     const std::atomic<bool>* stop = nullptr);

}  // namespace mizaro
