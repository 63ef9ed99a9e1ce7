// GameReview: what each discard of a recorded game cost.
//
// The record is replayed on the wall of its own mode, so every position is the one the player
// faced. Each discard the player chose (not the automatic ones after riichi, not a win) is
// rated as ReviewTurn rates it. Only the searched losses are points, so only they are summed
// and ranked.
#pragma once

#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "core/kyoku_state.h"
#include "core/language.h"
#include "stats/game_record.h"
#include "stats/turn_review.h"

namespace mizaro {

// The largest searched losses of a game that the review marks.
inline constexpr int kMarkedLosses = 3;

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
    // Set once `stop` ended the review early: `replayed` is then false and nothing is filled.
    bool stopped = false;
};

// Reviews a decoded record. A game in progress is a record whose last drawn turn has no
// discard and no win yet; its `reachTurn` must be the game's (0 without riichi). The turns are
// rated on `jobs` threads. Once `stop` is set the review ends soon, stopped.
GameReview ReviewGame(const GameRecord& record, int jobs = 1,
                      const std::atomic<bool>* stop = nullptr);

// The rated turn as one text line:
// "turn=T draw=5p discard=1z best=19m made=V bestValue=V loss=V kind=search|tiles".
std::string ReviewLine(const TurnReview& turn);

// The result line of a review, e.g. "和了 (8 巡目) 12000 点", in English "Win (turn 8) 12000
// points".
std::string OutcomeText(const GameReview& review, Language language = Language::kJapanese);

}  // namespace mizaro
