// GameReview: what each discard of a recorded game cost.
//
// The record is replayed on the wall of its own mode, so every position is the one the player
// faced. Each discard the player chose (not the automatic ones after riichi, not a win) is
// rated: near ready by the expected-value search with riichi assumed, the value at the next
// draw of the discard made against the best one; further away by the computer's count of the
// tiles that would bring the hand closer. Only the searched losses are points, so only they
// are summed and ranked. Where the discard leaves the hand ready and riichi is still open, the
// riichi analysis adds what declaring was worth against staying concealed.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/kyoku_state.h"
#include "core/language.h"
#include "stats/game_record.h"

namespace mizaro {

// The search rates hands at most this far from ready; beyond, it would take too long per turn.
inline constexpr int kReviewSearchShanten = 3;
// The largest searched losses of a game that the review marks.
inline constexpr int kMarkedLosses = 3;

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

enum class GameOutcome { kWon, kExhausted, kInProgress };

struct GameReview {
    // False when the record does not replay on its mode's wall; nothing else is then filled.
    bool replayed = false;
    int mode = kModeNormal;
    TileKind doraIndicator = kNoTile;
    GameOutcome outcome = GameOutcome::kInProgress;
    int lastTurn = 0;      // the winning turn, or the turns drawn so far
    int points = 0;        // of a win
    int finalShanten = 0;  // of the hand at the end
    int reachTurn = 0;     // 0 without riichi
    std::vector<TurnReview> turns;
    double totalLoss = 0.0;  // the sum of the searched losses
};

// Reviews a decoded record. A game in progress is a record whose last drawn turn has no
// discard and no win yet; its `reachTurn` must be the game's (0 without riichi).
GameReview ReviewGame(const GameRecord& record);

// The rated turn as one text line:
// "turn=T draw=5p discard=1z best=19m made=V bestValue=V loss=V kind=search|tiles".
std::string ReviewLine(const TurnReview& turn);

// The result line of a review, e.g. "和了 (8 巡目) 12000 点", in English "Win (turn 8) 12000
// points".
std::string OutcomeText(const GameReview& review, Language language = Language::kJapanese);

}  // namespace mizaro
