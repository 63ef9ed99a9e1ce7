// Harvesting problems: every game of a user's log is reviewed once, and each searched turn that
// lost at least the threshold becomes a problem.
#pragma once

#include <atomic>
#include <functional>
#include <span>
#include <vector>

#include "stats/drill_problem.h"
#include "stats/game_record.h"

namespace mizaro {

// A turn is a problem when its loss is at least the larger of the two.
struct DrillThreshold {
    double minLossPercent = 1.0;  // of the best value
    double minLossPoints = 10.0;
};

bool PassesThreshold(const DrillThreshold& threshold, double loss, double bestValue);

struct HarvestResult {
    // Ascending by game, then turn; ids 0.. in that order, for the caller to renumber.
    std::vector<DrillProblem> problems;
    int games = 0;           // games reviewed: a leading run of the records given
    double totalLoss = 0.0;  // the searched losses of those games, every turn counted
    bool stopped = false;    // the stop flag ended the harvest before the last game
};

// Called after each reviewed game with the games done and the total; from the working
// threads, one call at a time.
using HarvestProgress = std::function<void(int done, int total)>;

// Reviews `records` (encoded or decoded), the first of which is game `firstGame` of the log,
// on `jobs` threads; the result does not depend on `jobs`. A game that does not replay gives
// no problem but counts as reviewed. When `stop` turns true the games under way are finished
// and the result covers the leading games all done, so a later harvest resumes after them.
HarvestResult HarvestProblems(std::span<const GameRecord> records, int firstGame,
                              const DrillThreshold& threshold, const std::atomic<bool>* stop,
                              const HarvestProgress& progress, int jobs);

}  // namespace mizaro
