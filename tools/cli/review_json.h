// A rated turn as JSON, the same object in `review --json` and `import --json`.
#pragma once

#include <nlohmann/json.hpp>

#include "stats/turn_review.h"

namespace mizaro::cli {

nlohmann::json TurnJson(const TurnReview& turn);

}  // namespace mizaro::cli
