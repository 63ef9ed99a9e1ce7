#include "stats/drill_problem.h"

#include <algorithm>
#include <cmath>

#include "analysis/nanikiru_search.h"

namespace mizaro {

namespace {

constexpr int kHandAfterDraw = 14;
constexpr int kCopies = 4;
// The review's rule: two values are one when they differ by less than this share of the
// larger, since equivalent positions may add the same terms in another order.
constexpr double kTieTolerance = 1e-9;

DrillCandidate ValuesAt(const NanikiruSearch& node, TileKind discard, int draw) {
    return {discard, TurnValue(node.ev(), draw), TurnValue(node.winProb(), draw),
            TurnValue(node.tenpaiProb(), draw)};
}

// A table position's state, built as the review of the table builds it: the hand, the unseen
// tiles as the wall and the pool they make at this turn, the table's seat and indicators.
bool BuildTableState(const DrillPosition& position, const DrillTable& table, KyokuState& state) {
    const std::vector<TileKind> indicators = DoraIndicators(position);
    if (position.mode != kModeNormal || !position.discards.empty() || position.turn < 1 ||
        position.turn > kMaxTurns || static_cast<int>(indicators.size()) > kMaxDoraIndicators ||
        !IsWind(table.roundWind) || !IsWind(table.seatWind) || !IsValidKind(position.drawn))
        return false;
    TileCounts seen{};
    for (TileKind k : indicators) {
        if (!IsValidKind(k)) return false;
        ++seen[k];
    }
    int handTiles = 0, unseenTiles = 0;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (position.hand[k] < 0 || table.unseen[k] < 0) return false;
        if (position.hand[k] + table.unseen[k] + seen[k] > kCopies) return false;
        handTiles += position.hand[k];
        unseenTiles += table.unseen[k];
    }
    if (handTiles != kHandAfterDraw || position.hand[position.drawn] < 1) return false;
    state = KyokuState();
    state.hand = position.hand;
    state.wall = table.unseen;
    state.lastDraw = position.drawn;
    state.roundWind = table.roundWind;
    state.seatWind = table.seatWind;
    state.dealer = table.dealer;
    for (TileKind k : indicators) ++state.dora[NextKind(k)];
    state.uraIndicatorsAtWin = static_cast<int>(indicators.size());
    state.turn = position.turn;
    state.poolBeforeFirstDraw = unseenTiles + position.turn + 1;
    return true;
}

}  // namespace

std::vector<TileKind> DoraIndicators(const DrillPosition& position) {
    std::vector<TileKind> out{position.doraIndicator};
    if (position.table)
        out.insert(out.end(), position.table->laterIndicators.begin(),
                   position.table->laterIndicators.end());
    return out;
}

bool BuildProblemState(const DrillPosition& position, KyokuState& state) {
    if (position.table) return BuildTableState(position, *position.table, state);
    const int turn = position.turn;
    if (turn < 1 || turn > kMaxTurns || static_cast<int>(position.discards.size()) != turn - 1)
        return false;
    if (position.mode < kModeNormal || position.mode > kModeKokushi) return false;
    if (!IsValidKind(position.drawn) || !IsValidKind(position.doraIndicator)) return false;
    state = KyokuState();
    state.mode = position.mode;
    state.Reset();
    int tiles = 0;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (position.hand[k] < 0 || position.hand[k] > 4) return false;
        tiles += position.hand[k];
        state.hand[k] = position.hand[k];
        state.wall[k] -= position.hand[k];
    }
    if (tiles != kHandAfterDraw || state.hand[position.drawn] < 1) return false;
    for (int t = 0; t < turn - 1; ++t) {
        const TileKind d = position.discards[t];
        if (!IsValidKind(d)) return false;
        --state.wall[d];
        state.discards[t] = d;
    }
    state.AddDoraIndicator(position.doraIndicator);
    for (int c : state.wall)
        if (c < 0) return false;
    state.turn = turn;
    state.lastDraw = position.drawn;
    state.lastDiscard = turn > 1 ? position.discards.back() : 0;
    return true;
}

std::vector<DrillCandidate> SearchCandidates(const KyokuState& state, TileKind made,
                                             const std::atomic<bool>* stop) {
    const int draw = state.turn + 1;
    std::vector<DrillCandidate> out;
    {
        NanikiruSearch top(state, true, true, 0);
        top.SetStop(stop);
        top.AnalyzeDiscards();
        if (top.stopped()) return {};
        for (const NanikiruSearch* c : top.CandidateNodes())
            out.push_back(ValuesAt(*c, c->state().lastDiscard, draw));
        top.FreeCache();
    }
    // A discard that moves away from ready is no candidate of the search; the player's is
    // valued by a search of the position it leaves, as the review values it.
    if (IsValidKind(made) && state.hand[made] > 0 && FindCandidate(out, made) == nullptr) {
        KyokuState after = state;
        after.RemoveFromHand(made, false);
        NanikiruSearch node(after, true, true, 0);
        node.SetStop(stop);
        node.Search(true);
        if (node.stopped()) return {};
        out.push_back(ValuesAt(node, made, draw));
        node.FreeCache();
    }
    std::sort(out.begin(), out.end(), [](const DrillCandidate& a, const DrillCandidate& b) {
        return a.discard < b.discard;
    });
    return out;
}

std::array<bool, kKinds> BestDiscards(const std::vector<DrillCandidate>& candidates) {
    double top = 0.0;
    for (const DrillCandidate& c : candidates) top = std::max(top, c.value);
    std::array<bool, kKinds> best{};
    for (const DrillCandidate& c : candidates)
        best[c.discard] = std::fabs(top - c.value) <= kTieTolerance * std::max(1.0, top);
    return best;
}

const DrillCandidate* FindCandidate(const std::vector<DrillCandidate>& candidates,
                                    TileKind discard) {
    for (const DrillCandidate& c : candidates)
        if (c.discard == discard) return &c;
    return nullptr;
}

}  // namespace mizaro
