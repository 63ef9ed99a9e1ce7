// The win evaluation: every reading of a complete hand, its yaku, and the best score.
#include <algorithm>

#include "core/kyoku_state.h"
#include "core/scoring/hand_shape.h"
#include "core/scoring/points.h"
#include "core/scoring/reading_yaku.h"
#include "core/scoring/readings.h"

namespace mizaro {

namespace {

constexpr int kCompleteShanten = -1;
constexpr int kMaxCopies = 4;
constexpr int kLastRiichiTurn = kMaxTurns;  // above it riichi is assumed by the analysis

// The yaku that depend on the split into sets. The regular readings of a seven-pairs hand
// carry 七対子 from the base; read as 二盃口 they drop it and are tested like any other split.
// The seven-pairs and thirteen-orphans readings themselves have no sets to test.
void TestSplitYaku(AgariResult& r) {
    if (r.han.GetHan(yaku::kKokushi) == 0) {
        TestPeikou(r);
        if (r.han.GetHan(yaku::kRyanpeikou) > 0) r.han.ClearHan(yaku::kChiitoi);
    }
    if (r.han.GetHan(yaku::kChiitoi) > 0 || r.han.GetHan(yaku::kKokushi) > 0) return;
    TestPinfu(r);
    TestYakuhai(r);
    TestChanta(r);
    TestIttsu(r);
    TestSanshoku(r);
    TestSanshokuKou(r);
    TestAnkou(r);
    TestSangen(r);
    TestSuushii(r);
}

constexpr int kMaxIndicators = 5;
constexpr int kMaxUra = kMaxCopies * kMaxIndicators;

// weight[u]: the ways to turn over the ura-dora indicators among the unseen tiles that add u
// dora to the hand, out of `total` ways.
struct UraWeights {
    std::array<long long, kMaxUra + 1> weight{};
    long long total = 0;
    int most = 0;  // the largest u with a weight
};

UraWeights UraWeightsOf(const KyokuState& s) {
    UraWeights w;
    const int indicators = std::clamp(s.uraIndicatorsAtWin, 1, kMaxIndicators);
    if (indicators == 1) {
        for (TileKind i = 0; i < kKinds; ++i) {
            if (s.wall[i] <= 0) continue;
            const int u = std::clamp(s.hand[NextKind(i)], 0, kMaxCopies);
            w.weight[u] += s.wall[i];
            w.total += s.wall[i];
            w.most = std::max(w.most, u);
        }
        return w;
    }
    // Several indicators come out of the wall together: ways[j][u] counts the sets of j unseen
    // tiles, of the kinds seen so far, that add u dora.
    std::array<std::array<long long, kMaxUra + 1>, kMaxIndicators + 1> ways{};
    ways[0][0] = 1;
    for (TileKind i = 0; i < kKinds; ++i) {
        const int copies = std::clamp(s.wall[i], 0, kMaxCopies);
        if (copies == 0) continue;
        const int u = std::clamp(s.hand[NextKind(i)], 0, kMaxCopies);
        for (int j = indicators; j >= 1; --j) {
            for (int v = kMaxUra; v >= 0; --v) {
                // Taking m of this kind's copies, C(copies, m) ways.
                long long choose = 1;
                for (int m = 1; m <= std::min(copies, j) && m * u <= v; ++m) {
                    choose = choose * (copies - m + 1) / m;
                    ways[j][v] += ways[j - m][v - m * u] * choose;
                }
            }
        }
    }
    for (int v = 0; v <= kMaxUra; ++v) {
        w.weight[v] = ways[indicators][v];
        w.total += w.weight[v];
        if (w.weight[v] > 0) w.most = v;
    }
    return w;
}

// The points of a reading averaged over the ura-dora to come. `scored` has been through
// ScoreReading; ura-dora change only its han (the fu stay), and nothing beside a yakuman.
int ExpectedOverUra(const UraWeights& w, const AgariResult& scored) {
    // With no tile left to turn over the ura-dora adds nothing.
    if (w.total == 0) return scored.points;
    const int han = scored.han.TotalHan();
    const bool yakuman = HasYakuman(scored.han);
    long long sum = 0;
    for (int u = 0; u <= w.most; ++u)
        if (w.weight[u] > 0)
            sum += PointsFor(yakuman ? han : han + u, scored.fu, scored.dealer) * w.weight[u];
    return static_cast<int>(sum / w.total);
}

}  // namespace

int KyokuState::EvaluateWin(bool expectUra, bool forceIppatsu) {
    if (Shanten() != kCompleteShanten) return 0;

    ReadingList readings;
    AgariResult base;
    base.roundWind = roundWind;
    base.seatWind = seatWind;
    base.dealer = dealer;
    YakuHan& b = base.han;
    const KindMask held = HeldKinds(hand);

    // Hand-level yaku go into the base; the thirteen-orphans reading is taken from it early,
    // so it carries only the yaku found up to that point.
    b.AddHan(yaku::kTsumo, 1);
    if (reachTurn == 1)
        b.AddHan(yaku::kDoubleRiichi, 2);
    else if (reachTurn >= 2)
        b.AddHan(yaku::kRiichi, 1);
    if (IsKokushi(hand)) {
        const bool thirteenSided = IsValidKind(lastDraw) && hand[lastDraw] == 2;
        b.AddHan(yaku::kKokushi, thirteenSided ? 26 : 13);
        readings.Append(base);
    }
    if (turn == 1) b.AddHan(yaku::kTenhou, 13);
    if (IsChinroutou(held))
        b.AddHan(yaku::kChinroutou, 13);
    else if (IsHonroutou(held))
        b.AddHan(yaku::kHonroutou, 2);
    if (forceIppatsu || (reachTurn > 0 && reachTurn + 1 == turn)) b.AddHan(yaku::kIppatsu, 1);
    if (IsTanyao(held)) b.AddHan(yaku::kTanyao, 1);
    if (IsTsuuiisou(held)) b.AddHan(yaku::kTsuuiisou, 13);
    if (IsHonitsu(held)) b.AddHan(yaku::kHonitsu, 3);
    if (IsChinitsu(held)) b.AddHan(yaku::kChinitsu, 6);
    if (IsRyuuiisou(held)) b.AddHan(yaku::kRyuuiisou, 13);
    if (IsPureChuuren(hand, lastDraw))
        b.AddHan(yaku::kChuuren, 26);
    else if (IsChuuren(hand))
        b.AddHan(yaku::kChuuren, 13);

    // A real riichi win turns over its ura-dora indicator once; an assumed riichi (above the
    // last turn) leaves the ura-dora to the caller's expectUra.
    if (reachTurn >= 1 && reachTurn <= kLastRiichiTurn && uraIndicator == kNoTile)
        uraIndicator = DrawDoraIndicator();
    if (const int d = DoraCount(); d > 0) b.AddHan(yaku::kDora, d);

    if (IsChiitoiShape(hand)) {
        b.AddHan(yaku::kChiitoi, 2);
        readings.Append(base);
    }
    EnumerateRegular(base, hand, lastDraw, readings);

    UraWeights ura;
    if (expectUra) ura = UraWeightsOf(*this);
    // Strictly greater: of equal scores the earlier reading stays.
    int best = 0;
    for (AgariResult& r : readings) {
        TestSplitYaku(r);
        int v = ScoreReading(r);
        if (expectUra) v = ExpectedOverUra(ura, r);
        if (v > best) {
            best = v;
            result = r;
        }
    }
    return best;
}

int KyokuState::ExpectedWithUra(const AgariResult& reading) const {
    AgariResult scored = reading;
    ScoreReading(scored);
    return ExpectedOverUra(UraWeightsOf(*this), scored);
}

}  // namespace mizaro
