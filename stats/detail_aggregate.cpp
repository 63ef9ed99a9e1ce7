// The totals of the selected games: the key figures, the shanten course, the winning scores,
// the tiles and the yaku.
#include <algorithm>

#include "stats/detail_analysis.h"

namespace mizaro {

namespace {

constexpr double kPercent = 100.0;

// numerator / denominator * scale, or 0 when there is nothing to divide by.
double Share(double numerator, int denominator, double scale) {
    return denominator > 0 ? numerator / denominator * scale : 0.0;
}

bool InShantenRange(int s) {
    return s >= 0 && s < kShantenValues;
}

bool IsTurn(int t) {
    return t >= 1 && t <= kMaxTurns;
}

// Only replayed games reach the sums, but a kind is checked before it indexes a count.
void CountKind(std::array<int, kKinds>& counts, TileKind k) {
    if (IsValidKind(k)) ++counts[k];
}

}  // namespace

void DetailAnalysis::Aggregate() {
    totals = DetailTotals{};
    SumGames();
    SumPoints();
    SumTiles();
    SumYaku();
}

void DetailAnalysis::SumGames() {
    DetailTotals& t = totals;
    const int n = static_cast<int>(selected.size());
    t.gameCount = n;
    double sumPoints = 0.0;
    double sumReachEv = 0.0;
    double sumDamaWinPoints = 0.0;
    int sumReady = 0;
    int sumReach = 0;
    int sumWinTurn = 0;
    for (const ReplayedGame* g : selected) {
        const int p = g->points;
        const int r = g->readyTurn;
        const int q = g->reachTurn;
        const int w = g->winTurn;
        sumPoints += p;
        for (int turn = 1; turn <= (IsTurn(w) ? w : kMaxTurns); ++turn) ++t.aliveAt[turn];
        if (IsTurn(r)) {
            ++t.readyCount;
            ++t.readyAt[r];
            sumReady += r;
        }
        if (IsTurn(q)) {
            ++t.reachCount;
            ++t.reachAt[q];
            sumReach += q;
            sumReachEv += g->reachEv;
        }
        if (IsTurn(w)) {
            ++t.winCount;
            ++t.winAt[w];
            sumWinTurn += w;
            if (q == 0) sumDamaWinPoints += p;
        }
        if (q > 0 && w > 0) ++t.reachWinCount;
        if (r == 0) ++t.notReadyCount;

        // The step into a win (0 to -1) counts as a move down; the turns after it do not.
        for (int turn = 1; turn <= kMaxTurns; ++turn) {
            const int s = g->shantenAt[turn];
            if (turn >= 2) {
                const int prev = g->shantenAt[turn - 1];
                const int change = s - prev;
                if (InShantenRange(prev) && change >= -1 && change <= 1)
                    ++t.shantenMove[prev][change + 1];
            }
            if (!InShantenRange(s)) break;
            ++t.shantenCount[turn][s];
            ++t.shantenTotal[s];
        }
    }

    t.avgPoints = Share(sumPoints, n, 1.0);
    t.predictedEv = Share(sumReachEv + sumDamaWinPoints, n, 1.0);
    t.readyRate = Share(t.readyCount, n, kPercent);
    t.reachRate = Share(t.reachCount, n, kPercent);
    t.winRate = Share(t.winCount, n, kPercent);
    t.notReadyRate = Share(t.notReadyCount, n, kPercent);
    t.avgReadyTurn = Share(sumReady, t.readyCount, 1.0);
    t.reachWinRate = Share(t.reachWinCount, t.reachCount, kPercent);
    t.avgReachTurn = Share(sumReach, t.reachCount, 1.0);
    t.avgWinPoints = Share(sumPoints, t.winCount, 1.0);
    t.avgWinTurn = Share(sumWinTurn, t.winCount, 1.0);
}

void DetailAnalysis::SumPoints() {
    std::vector<PointRow>& rows = totals.pointRows;
    for (const ReplayedGame* g : selected) {
        const int w = g->winTurn;
        if (!IsTurn(w)) continue;
        auto at = std::lower_bound(rows.begin(), rows.end(), g->points,
                                   [](const PointRow& row, int p) { return row.points < p; });
        if (at != rows.end() && at->points == g->points) {
            ++at->count;
            ++at->byTurn[w];
            continue;
        }
        // A full list keeps its lowest scores: a higher new score is dropped, a lower one
        // pushes out the highest.
        if (static_cast<int>(rows.size()) == kMaxPointRows) {
            if (at == rows.end()) continue;
            rows.pop_back();
        }
        PointRow row;
        row.points = g->points;
        row.count = 1;
        row.byTurn[w] = 1;
        rows.insert(at, row);
    }
}

void DetailAnalysis::SumTiles() {
    DetailTotals& t = totals;
    for (const ReplayedGame* g : selected) {
        for (TileKind k : g->record.dealt) CountKind(t.dealtCount, k);
        CountKind(t.dealtCount, g->record.draws[0]);
        t.dealtTotal += kDealtTiles + 1;
        if (g->reachTurn > 0) {
            for (TileKind k : g->reachHand) CountKind(t.reachHandCount, k);
            t.reachHandTotal += kDealtTiles;
        }
        if (g->winTurn > 0) {
            CountKind(t.winTileCount, g->winTile);
            ++t.winTileTotal;
        }
    }
    for (TileKind k = 0; k < kKinds; ++k) {
        t.dealtRatio[k] = Share(t.dealtCount[k], t.dealtTotal, kKinds);
        t.reachHandRatio[k] = Share(t.reachHandCount[k], t.reachHandTotal, kKinds);
        t.winTileRatio[k] = Share(t.winTileCount[k], t.winTileTotal, kKinds);
    }
}

void DetailAnalysis::SumYaku() {
    DetailTotals& t = totals;
    for (const ReplayedGame* g : selected) {
        if (g->winTurn <= 0) continue;
        ++t.wonGames;
        for (YakuId k = 0; k < kYakuCount; ++k)
            if (g->yakuHan[k] > 0) ++t.yakuWins[k];
    }
    for (YakuId k = 0; k < kYakuCount; ++k) {
        t.yakuShareAll[k] = Share(t.yakuWins[k], t.gameCount, kPercent);
        t.yakuShareWins[k] = Share(t.yakuWins[k], t.wonGames, kPercent);
    }
}

}  // namespace mizaro
