// The turns of a review rated on several threads at once. Each turn is an analysis of its own
// that shares nothing with the others, so the turns of one game spread over the processor's
// cores and the review the player waits for ends sooner; each rating is the one ReviewTurn
// gives alone.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "core/kyoku_state.h"
#include "stats/turn_review.h"

namespace mizaro {

// A position to rate and what the player did there, as ReviewTurn takes them.
struct TurnQuestion {
    KyokuState position;
    TileKind discard = kNoTile;
    bool riichi = false;
};

// Called after each rated turn with how many are done of how many, one call at a time;
// returning false stops the rating, which then leaves the turns not begun unrated.
using TurnProgress = std::function<bool(int done, int total)>;

struct RatedTurns {
    std::vector<std::optional<TurnReview>> turns;  // one per question, in the order asked
    bool complete = true;                          // false when stopped
};

// Rates every question on `jobs` threads (this one included), the costliest first. Once
// `stop` is set the searches under way end soon, unrated, and no more begin.
RatedTurns ReviewTurns(std::span<const TurnQuestion> questions, int jobs,
                       const TurnProgress& progress = {}, const std::atomic<bool>* stop = nullptr);

// The threads a review the player waits for uses: one per core.
int ReviewJobs();

}  // namespace mizaro
