// The review of the player's side of an online game: every position the player faced with a
// closed, free hand rated as the solo review rates a turn, hand by hand.
//
// The values are those of the player's own hand, by self-draw only, with the other players
// ignored: they rate hand building, not defence or calls.
#pragma once

#include <atomic>
#include <vector>

#include "online/online_game.h"
#include "stats/review_turns.h"

namespace mizaro {

struct OnlineHandReview {
    int hand = 1;  // in the game, 1 = first
    // The positions that could be rated; each turn is the player's discard number in the hand.
    std::vector<TurnReview> turns;
    double totalLoss = 0.0;  // the sum of the searched losses; the largest ones marked
};

// A rated turn of the game: the hand's index in `hands` and the turn's in its `turns`.
struct TurnPlace {
    int hand = 0;
    int turn = 0;
};

struct OnlineReview {
    int seat = 0;
    std::vector<OnlineHandReview> hands;  // one per hand of the game, in order
    double totalLoss = 0.0;
    std::vector<TurnPlace> largest;  // the game's largest searched losses, largest first
    bool complete = true;            // false when stopped before the last position
};

// Called after each rated position with how many are done of how many; returning false stops
// the review, which then holds the positions rated so far.
using ReviewProgress = TurnProgress;

// The positions are rated on `jobs` threads. `stop`, once set, ends the review within a
// position's search, incomplete: the positions under way are left out.
OnlineReview ReviewOnlineGame(const OnlineGame& game, int seat, const ReviewProgress& progress = {},
                              int jobs = 1, const std::atomic<bool>* stop = nullptr);

}  // namespace mizaro
