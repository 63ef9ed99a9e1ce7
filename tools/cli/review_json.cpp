#include "tools/cli/review_json.h"

#include "core/hand_notation.h"

namespace mizaro::cli {

nlohmann::json TurnJson(const TurnReview& t) {
    nlohmann::json best = nlohmann::json::array();
    for (TileKind k = 0; k < kKinds; ++k)
        if (t.best[k]) best.push_back(FormatTile(k));
    nlohmann::json out = {{"turn", t.turn},
                          {"draw", FormatTile(t.drawn)},
                          {"discard", FormatTile(t.discarded)},
                          {"best", best},
                          {"made", t.made},
                          {"bestValue", t.bestValue},
                          {"loss", t.loss},
                          {"kind", t.kind == RatingKind::kSearch ? "search" : "tiles"},
                          {"riichi", t.riichi},
                          {"marked", t.marked}};
    if (t.hasRiichiValues) {
        out["riichiValue"] = t.riichiValue;
        out["damaValue"] = t.damaValue;
    }
    return out;
}

}  // namespace mizaro::cli
