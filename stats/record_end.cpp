#include "stats/record_end.h"

namespace mizaro {

std::optional<KyokuState> RecordedEnd(const GameRecord& r) {
    if (!r.IsReplayable()) return std::nullopt;
    KyokuState s;  // a Normal wall holds every kind, as IsReplayable counted them
    s.mode = r.mode;
    for (TileKind k : r.dealt) s.DrawKind(k);
    s.shantenAfter[0] = s.Shanten();  // as the deal leaves it, for a win at the first draw
    s.AddDoraIndicator(r.doraIndicator);
    for (int t = 1; t <= kMaxTurns; ++t) {
        if (!s.DrawKind(r.draws[t - 1])) return std::nullopt;
        if (s.Shanten() == -1) {
            // The game ends at its win; only a riichi win turns over an ura-dora indicator.
            const bool riichi = r.reachTurn != 0;
            if (r.discards[t - 1] != kNoTile || riichi != (r.uraIndicator != kNoTile) ||
                s.reachTurn != r.reachTurn)
                return std::nullopt;
            if (riichi) {
                s.AddDoraIndicator(r.uraIndicator);
                s.uraIndicator = r.uraIndicator;
            }
            return s;
        }
        if (!s.Discard(r.discards[t - 1], t == r.reachTurn)) return std::nullopt;
    }
    if (s.reachTurn != r.reachTurn) return std::nullopt;
    return s;
}

}  // namespace mizaro
