// DrillCard: a problem as the window shows it, and how an answer to it is graded.
//
// A problem that comes back is shown with its suits exchanged, so that the player recalls the
// shape rather than the tiles; a table problem's unseen tiles and indicators move with them. The
// exchanged position is searched anew; it is shown only when its best discards are exactly the
// images of the original's, which a score that depends on the suit (all green) or a tie broken
// differently could upset.
#pragma once

#include <array>
#include <atomic>
#include <vector>

#include "stats/drill_problem.h"

namespace mizaro {

// Suit s (0 characters, 1 circles, 2 bamboo) shows as suit to[s]; honours stay.
struct SuitPermutation {
    std::array<int, 3> to{0, 1, 2};
    bool IsIdentity() const { return to[0] == 0 && to[1] == 1 && to[2] == 2; }
};

TileKind PermuteTile(const SuitPermutation& p, TileKind k);
// The hand, the wall, the dora, the discards and the last draw and discard exchanged.
KyokuState PermuteState(const KyokuState& state, const SuitPermutation& p);
// One of the five permutations that move a suit, chosen from the problem and how often it was
// answered, so that each return may show another.
SuitPermutation ChooseSuits(int problemId, int answers);

struct DrillCard {
    int problemId = 0;
    bool variant = false;
    SuitPermutation suits;   // the identity unless `variant`
    DrillPosition position;  // as shown; its mode stays the game's, its suits exchanged
    std::vector<DrillCandidate> candidates;
    std::array<bool, kKinds> best{};
    double bestValue = 0.0;
};

// The problem as it was played.
DrillCard OriginalCard(const DrillProblem& problem);
// The card to show: the original on a first showing, else the variant of `suits` when its
// searched best discards are the images of the original's. Searches, so it runs off the
// interface thread; it reads only `problem`. Once `stop` is set the search ends soon and the
// original is given.
DrillCard PrepareCard(const DrillProblem& problem, const std::atomic<bool>* stop = nullptr);
DrillCard PrepareCard(const DrillProblem& problem, const SuitPermutation& suits,
                      const std::atomic<bool>* stop = nullptr);

enum class DrillGrade { kBest, kClose, kWrong };
// Right when the discard is a best one or loses less than 0.5 % of the best value; a discard
// the search never valued (it moves away from ready) counts as wrong.
DrillGrade GradeAnswer(const DrillCard& card, TileKind discard);

}  // namespace mizaro
