#include "stats/stat_summary.h"

#include <climits>

namespace mizaro {

namespace {

constexpr int kExhaustedTurn = kMaxTurns + 1;

// A hand-edited counter file may hold values at the edge of the int range; the counters stop
// there rather than overflow.
void Add(int& counter, int amount) {
    if (amount > 0 && counter > INT_MAX - amount)
        counter = INT_MAX;
    else if (amount < 0 && counter < INT_MIN - amount)
        counter = INT_MIN;
    else
        counter += amount;
}

}  // namespace

int FirstReadyTurn(const KyokuState& state) {
    int leading = 0;
    while (leading < kMaxTurns && state.shantenAfter[leading] > 0) ++leading;
    return 1 + leading;
}

void StatSummary::Reset() {
    N = nAgari = AgariJun = TenpaiJun = nNoten = nReach = ReachJun = NoReach = 0;
    AgariTen = 0.0;
    yakuCount.fill(0);
    Shanten.fill(0);
    records.clear();
}

bool StatSummary::RecordGame(KyokuState state, GameRecord record) {
    if (state.turn < 1 || state.turn > kExhaustedTurn) return false;
    bool won = state.turn <= kMaxTurns;
    Add(N, 1);
    if (won) {
        Add(nAgari, 1);
        Add(AgariJun, state.turn);
        // A riichi win without its ura-dora indicator draws it here, into this copy.
        AgariTen += state.EvaluateWin(false, false);
        if (state.reachTurn == 0) Add(NoReach, 1);
        for (YakuId y = 0; y < kYakuCount; ++y)
            if (state.result.han.GetHan(y) >= 1) Add(yakuCount[y], 1);
        Add(TenpaiJun, FirstReadyTurn(state));
    } else if (state.shantenAfter[kMaxTurns - 1] >= 1) {
        Add(nNoten, 1);
    } else {
        Add(TenpaiJun, FirstReadyTurn(state));
    }
    if (state.reachTurn >= 1) {
        Add(nReach, 1);
        Add(ReachJun, state.reachTurn);
    }
    // A game won at turn t contributes the discards of turns 1..t-1, an exhausted one all 18.
    for (int k = 0; k <= state.turn - 2; ++k)
        if (state.shantenAfter[k] > 0) Add(Shanten[k], state.shantenAfter[k]);
    if (won) record.uraIndicator = state.uraIndicator;
    record.reachTurn = state.reachTurn;
    records.push_back(record);
    return true;
}

void StatSummary::CopyCounters(const StatSummary& other) {
    name = other.name;
    N = other.N;
    nAgari = other.nAgari;
    AgariJun = other.AgariJun;
    AgariTen = other.AgariTen;
    TenpaiJun = other.TenpaiJun;
    nNoten = other.nNoten;
    nReach = other.nReach;
    ReachJun = other.ReachJun;
    NoReach = other.NoReach;
    yakuCount = other.yakuCount;
    Shanten = other.Shanten;
    simStartClock = other.simStartClock;
    simStartN = other.simStartN;
    unreadableFiles = other.unreadableFiles;
}

void StatSummary::DecodeAll() {
    for (GameRecord& r : records) r.Decode();
}

}  // namespace mizaro
