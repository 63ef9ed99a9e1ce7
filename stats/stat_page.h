// The statistics page: the user's results beside the computer's (the standard), each of the
// user's values shaded by how far it lies from the standard, reddish above and bluish below.
#pragma once

#include <array>
#include <string>

#include "core/language.h"
#include "core/yaku_han.h"
#include "stats/stat_summary.h"

namespace mizaro {

inline constexpr const char* kStatPageFileName = "Stat.htm";

// The quoted colour for a bgcolor attribute, its double quotes included: white when either
// value is 0, else deeper the farther the user's value lies from the standard (relative to it).
std::string ShadeColour(double userValue, double standardValue);

// The 31 yaku by the summary's counts, largest first; equal counts in ascending id order.
std::array<YakuId, kYakuCount> YakuOrder(const StatSummary& summary);

// The whole page in UTF-8: one table of labels, the user's values and the standard's. The
// yaku are named in `language`; the English page declares its encoding.
std::string StatPageHtml(const StatSummary& user, const StatSummary& standard,
                         Language language = Language::kJapanese);

}  // namespace mizaro
