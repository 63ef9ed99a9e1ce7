// Problems from the review of a game played at a four-player table: its costly turns by the
// rule of the harvest of the player's own games, each kept with the table's state and where it
// was met, so that it is searched again exactly as the review searched it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "stats/drill_harvest.h"
#include "stats/drill_problem.h"
#include "stats/turn_review.h"

namespace mizaro {

// One rated turn of an imported game.
struct TableTurn {
    KyokuState state;                  // the state the review rated
    TurnReview review;                 // its rating of the discard made there
    std::vector<TileKind> indicators;  // every dora indicator in view, in the order turned over
    int kyoku = 1;                     // the dealer's number in the round, 1..4: see KyokuOf
    int discardNumber = 1;             // the player's discard in the hand, 1 = first
};

// The dealer's number in the round (東2局: 2) of a hand where `seat` (0..3, seat 0 dealing the
// first hand) sits at `seatWind`.
inline int KyokuOf(int seat, TileKind seatWind) {
    return ((seat - (seatWind - kEast)) % 4 + 4) % 4 + 1;
}

// The problems of the searched turns of `turns` that lost at least the threshold, with
// `source` naming the game; ids 0.. for the deck to renumber. A turn whose state is not the one
// its indicators and table give (or one no search can take) is left out. Searches, so it runs
// off the interface thread; once `stop` is set the searches end soon and nothing is given.
std::vector<DrillProblem> TableProblems(std::span<const TableTurn> turns, const std::string& source,
                                        const DrillThreshold& threshold = {},
                                        const std::atomic<bool>* stop = nullptr);

}  // namespace mizaro
