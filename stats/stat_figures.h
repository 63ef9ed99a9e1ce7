// The figures derived from a summary's counters, as the statistics page and the text report
// show them. Every quotient is 0 when its divisor is 0.
#pragma once

#include <cstdio>
#include <string>

#include "stats/stat_summary.h"

namespace mizaro {

struct StatFigures {
    double winPoints = 0;   // AgariTen / nAgari
    double winTurn = 0;     // AgariJun / nAgari
    double winRate = 0;     // percent of games won
    double readyRate = 0;   // percent of games won or ending ready
    double notenRate = 0;   // percent of games ending not ready
    double riichiRate = 0;  // percent of games with riichi
    double riichiWins = 0;  // percent of riichi games won with riichi
    double riichiTurn = 0;  // ReachJun / nReach
    double readyTurn = 0;   // TenpaiJun / games won or ending ready
    double value = 0;       // AgariTen / N
};

StatFigures FiguresOf(const StatSummary& s);

double Quotient(double part, double whole);
// A figure printed as a whole number is cut toward zero, and held inside the int range.
int CutToInt(double value);

// A yaku's share of the wins; a summary without wins divides by 1.
double YakuShare(const StatSummary& s, YakuId id);
// The mean positive shanten after the discard of `turn` (1..18) over all recorded games.
double MeanShanten(const StatSummary& s, int turn);

// printf into a string; a figure from a hand-edited file may be hundreds of digits long, and
// the text is never cut.
template <typename... Values>
std::string Format(const char* format, Values... values) {
    const int length = std::snprintf(nullptr, 0, format, values...);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, values...);
    text.pop_back();
    return text;
}

}  // namespace mizaro
