#include "stats/drill_import.h"

namespace mizaro {

namespace {

// The parts of two states a search reads.
bool SameSearch(const KyokuState& a, const KyokuState& b) {
    return a.mode == b.mode && a.turn == b.turn && a.hand == b.hand && a.wall == b.wall &&
           a.dora == b.dora && a.roundWind == b.roundWind && a.seatWind == b.seatWind &&
           a.dealer == b.dealer && a.poolBeforeFirstDraw == b.poolBeforeFirstDraw &&
           a.uraIndicatorsAtWin == b.uraIndicatorsAtWin && a.lastDraw == b.lastDraw &&
           a.reachTurn == b.reachTurn;
}

}  // namespace

std::vector<DrillProblem> TableProblems(std::span<const TableTurn> turns, const std::string& source,
                                        const DrillThreshold& threshold,
                                        const std::atomic<bool>* stop) {
    std::vector<DrillProblem> out;
    for (const TableTurn& t : turns) {
        const TurnReview& r = t.review;
        if (r.kind != RatingKind::kSearch || !PassesThreshold(threshold, r.loss, r.bestValue) ||
            t.indicators.empty())
            continue;
        DrillProblem p;
        p.id = static_cast<int>(out.size());
        DrillPosition& pos = p.position;
        pos.turn = t.state.turn;
        pos.hand = t.state.hand;
        pos.drawn = t.state.lastDraw;
        pos.doraIndicator = t.indicators.front();
        DrillTable& table = pos.table.emplace();
        table.roundWind = t.state.roundWind;
        table.seatWind = t.state.seatWind;
        table.dealer = t.state.dealer;
        table.unseen = t.state.wall;
        table.laterIndicators.assign(t.indicators.begin() + 1, t.indicators.end());
        table.source = source;
        table.kyoku = t.kyoku;
        table.discardNumber = t.discardNumber;
        // The problem is searched again from its position: it must be the state rated.
        KyokuState rebuilt;
        if (!BuildProblemState(pos, rebuilt) || !SameSearch(rebuilt, t.state)) continue;
        p.made = r.discarded;
        p.best = r.best;
        p.madeValue = r.made;
        p.bestValue = r.bestValue;
        p.loss = r.loss;
        p.candidates = SearchCandidates(rebuilt, p.made, stop);
        if (stop != nullptr && stop->load()) return {};
        out.push_back(std::move(p));
    }
    return out;
}

}  // namespace mizaro
