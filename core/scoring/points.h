// Points of one reading: the yakuman filter, the fu, and the self-drawn total.
//
// Every amount is what the three other players pay together. The dealer's total is three
// times its per-player tsumo payment; a non-dealer's is the dealer's payment (twice the basic
// points) and two payments of the basic points, each rounded up to 100.
#pragma once

#include "core/agari_result.h"

namespace mizaro {

inline constexpr int kManganHan = 5;         // from here on points come from the limit table
inline constexpr int kManganPoints = 12000;  // also the cap of the fu-based amounts
inline constexpr int kYakumanHan = 13;
inline constexpr int kYakumanPoints = 48000;
inline constexpr int kMaxYakumanMultiple = 6;

// The points of a dealer's hand with `han` han and `fu` fu, over every row of the limit table.
int PointsFor(int han, int fu);

// What each player pays a non-dealer's self-draw; the total is dealer + 2 * other.
struct NonDealerPayments {
    int dealer = 0;
    int other = 0;
    int Total() const { return dealer + 2 * other; }
};
NonDealerPayments NonDealerPaymentsFor(int han, int fu);

inline int PointsFor(int han, int fu, bool dealer) {
    return dealer ? PointsFor(han, fu) : NonDealerPaymentsFor(han, fu).Total();
}

// The fu of a reading (the seven-pairs 25 is not rounded).
int Fu(const AgariResult& r);

bool HasYakuman(const YakuHan& han);

// Drops ordinary yaku when a yakuman is present, then sets `fu` (0 from 5 han on) and `points`
// of the reading (as its `dealer` says); returns the points.
int ScoreReading(AgariResult& r);

}  // namespace mizaro
