// Points of one reading: the yakuman filter, the fu, and the dealer's self-drawn total.
//
// Every amount is what the three other players pay together: three times the dealer's
// per-player tsumo payment.
#pragma once

#include "core/agari_result.h"

namespace mizaro {

inline constexpr int kManganHan = 5;         // from here on points come from the limit table
inline constexpr int kManganPoints = 12000;  // also the cap of the fu-based amounts
inline constexpr int kYakumanHan = 13;
inline constexpr int kYakumanPoints = 48000;
inline constexpr int kMaxYakumanMultiple = 6;

// The points of a hand with `han` han and `fu` fu, over every row of the limit table.
int PointsFor(int han, int fu);

// The fu of a reading (the seven-pairs 25 is not rounded).
int Fu(const AgariResult& r);

bool HasYakuman(const YakuHan& han);

// Drops ordinary yaku when a yakuman is present, then sets `fu` (0 from 5 han on) and `points`
// of the reading; returns the points.
int ScoreReading(AgariResult& r);

}  // namespace mizaro
