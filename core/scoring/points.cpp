#include "core/scoring/points.h"

#include <algorithm>
#include <cmath>

#include "core/scoring/reading_yaku.h"

namespace mizaro {

namespace {

constexpr int kBaseFu = 22;  // 20 for winning and 2 for the self-draw
constexpr int kChiitoiFu = 25;
constexpr int kPinfuTsumoFu = 20;
constexpr int kPaymentUnit = 100;
constexpr int kPayers = 3;

int RoundUp(int value, int unit) {
    return (value + unit - 1) / unit * unit;
}

int LimitPoints(int han) {
    if (han < 6) return kManganPoints;
    if (han < 8) return 18000;
    if (han < 11) return 24000;
    if (han < kYakumanHan) return 36000;
    // Each further 13 han is one more yakuman, up to six.
    const int multiple = std::min(han / kYakumanHan, kMaxYakumanMultiple);
    return kYakumanPoints * multiple;
}

// Twice the basic points fu x 2^(han+2): the dealer's share; a shift when it is exact.
int TwiceBasic(int han, int fu) {
    return han >= 0 ? (8 * fu) << han : static_cast<int>(std::ldexp(8.0 * fu, han));
}

}  // namespace

int PointsFor(int han, int fu) {
    if (han >= kManganHan) return LimitPoints(han);
    return std::min(kPayers * RoundUp(TwiceBasic(han, fu), kPaymentUnit), kManganPoints);
}

NonDealerPayments NonDealerPaymentsFor(int han, int fu) {
    // A dealer's limit total is six times the basic points.
    constexpr int kDealerShares = 6;
    if (han >= kManganHan) {
        const int basic = LimitPoints(han) / kDealerShares;
        return {2 * basic, basic};
    }
    const int twice = TwiceBasic(han, fu);
    const int manganBasic = kManganPoints / kDealerShares;
    return {std::min(RoundUp(twice, kPaymentUnit), 2 * manganBasic),
            std::min(RoundUp((twice + 1) / 2, kPaymentUnit), manganBasic)};
}

int Fu(const AgariResult& r) {
    if (r.han.GetHan(yaku::kChiitoi) == 2) return kChiitoiFu;
    if (r.han.GetHan(yaku::kPinfu) == 1) return kPinfuTsumoFu;
    int fu = kBaseFu;
    for (const auto& set : r.melds)
        if (IsTriplet(set)) fu += IsTerminalOrHonour(set[0]) ? 8 : 4;
    fu += IsDragon(r.pair) ? 2 : 0;
    fu += r.pair == r.roundWind ? 2 : 0;
    fu += r.pair == r.seatWind ? 2 : 0;
    if (r.winMeld == kNoTile) {
        fu += 2;
    } else if (r.winMeld >= 0 && r.winMeld < 4 && !IsTriplet(r.melds[r.winMeld])) {
        const TileKind first = r.melds[r.winMeld][0];
        const bool closed = r.winPos == 1;
        const bool edge = (r.winPos == 0 && first % 9 == 6) || (r.winPos == 2 && first % 9 == 0);
        if (closed || edge) fu += 2;
    }
    return RoundUp(fu, 10);
}

bool HasYakuman(const YakuHan& han) {
    for (YakuId id = 0; id < kYakuCount; ++id)
        if (IsYakuman(id) && han.han[id] > 0) return true;
    return false;
}

int ScoreReading(AgariResult& r) {
    // The yakuman filter and the total in one pass; the filter rarely has anything to drop.
    int han = 0, yakumanHan = 0;
    bool yakuman = false;
    for (YakuId id = 0; id < kYakuCount; ++id) {
        const int h = r.han.han[id];
        han += h;
        if (IsYakuman(id)) {
            yakumanHan += h;
            yakuman = yakuman || h > 0;
        }
    }
    if (yakuman) {
        r.han.KeepYakumanOnly();
        han = yakumanHan;
    }
    r.fu = han >= kManganHan ? 0 : Fu(r);
    r.points = PointsFor(han, r.fu, r.dealer);
    return r.points;
}

}  // namespace mizaro
