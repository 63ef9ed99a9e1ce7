// The filters over the replayed games: they only choose among `games`, never replay.
#include <algorithm>

#include "stats/detail_analysis.h"

namespace mizaro {

namespace {

constexpr int kAnd = 0;
constexpr int kOr = 1;

bool Selected(const std::string& yaku, YakuId k) {
    return k < static_cast<int>(yaku.size()) && yaku[k] == '1';
}

}  // namespace

bool DetailAnalysis::YakuMatches(const ReplayedGame& g) const {
    if (filter.yakuMode == kOr) {
        for (YakuId k = 0; k < kYakuCount; ++k)
            if (Selected(filter.yaku, k) && g.yakuHan[k] > 0) return true;
        return false;
    }
    if (filter.yakuMode == kAnd) {
        for (YakuId k = 0; k < kYakuCount; ++k)
            if (Selected(filter.yaku, k) && g.yakuHan[k] == 0) return false;
    }
    return true;
}

void DetailAnalysis::ApplyFilter() {
    selected.clear();
    for (const ReplayedGame& g : games) {
        const int first = g.shantenAt[1];
        const int last = g.shantenAt[kMaxTurns];
        if (first < filter.hai1 || first > filter.hai2) continue;
        if (last < filter.last1 || last > filter.last2) continue;
        if (g.reachTurn != 0 ? filter.reach1 == 0 : filter.reach0 == 0) continue;
        if (g.record.mode != filter.mode) continue;
        if (!YakuMatches(g)) continue;
        selected.push_back(&g);
    }
    // The most recent games are the last ones; a count below 0 keeps none, like 0.
    const auto keep = static_cast<std::size_t>(std::max(filter.kyoku, 0));
    if (selected.size() > keep)
        selected.erase(selected.begin(), selected.end() - static_cast<std::ptrdiff_t>(keep));
}

}  // namespace mizaro
