#include "stats/stat_figures.h"

#include <climits>
#include <cmath>

namespace mizaro {

namespace {
constexpr double kPercent = 100.0;
}

double Quotient(double part, double whole) {
    return whole != 0 ? part / whole : 0.0;
}

int CutToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

StatFigures FiguresOf(const StatSummary& s) {
    // In double precision: a hand-edited file may hold counters whose sums overflow an int.
    const double n = s.N;
    const double ready = n - s.nNoten;
    StatFigures f;
    f.winPoints = Quotient(s.AgariTen, s.nAgari);
    f.winTurn = Quotient(s.AgariJun, s.nAgari);
    f.winRate = Quotient(s.nAgari, n) * kPercent;
    f.readyRate = Quotient(ready, n) * kPercent;
    f.notenRate = Quotient(s.nNoten, n) * kPercent;
    f.riichiRate = Quotient(s.nReach, n) * kPercent;
    f.riichiWins = Quotient(static_cast<double>(s.nAgari) - s.NoReach, s.nReach) * kPercent;
    f.riichiTurn = Quotient(s.ReachJun, s.nReach);
    f.readyTurn = Quotient(s.TenpaiJun, ready);
    f.value = Quotient(s.AgariTen, n);
    return f;
}

double YakuShare(const StatSummary& s, YakuId id) {
    if (!YakuHan::Valid(id)) return 0.0;
    return static_cast<double>(s.yakuCount[id]) / (s.nAgari != 0 ? s.nAgari : 1);
}

double MeanShanten(const StatSummary& s, int turn) {
    if (turn < 1 || turn > kMaxTurns) return 0.0;
    return Quotient(s.Shanten[turn - 1], s.N);
}

}  // namespace mizaro
