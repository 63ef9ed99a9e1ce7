// The assist marks: each discard's expected value as a share of the best one, in tenths.
#pragma once

#include <array>
#include <string_view>

#include "core/tile.h"

namespace mizaro {

inline constexpr int kNoMark = -1;
inline constexpr int kBestMark = 10;

using KindValues = std::array<double, kKinds>;
using KindMarks = std::array<int, kKinds>;

// The largest value, never below 0.
double BestAssistValue(const KindValues& values);

// kNoMark for a value of exactly 0 (a kind not held, or one that can never win); otherwise
// floor(value / best * 10), so only the best discards reach kBestMark.
KindMarks AssistMarks(const KindValues& values);

// The text shown above a hand slot: "－" for 0..5, then "×", "△", "○", "◎", "★"; nothing for
// kNoMark or anything out of range.
std::string_view AssistMarkText(int mark);

}  // namespace mizaro
