// The counter file of a summary: "key<TAB>value" lines for the counters, "Shanten" with its 18
// sums, then "Yaku" with the number of yaku lines that follow, each a yaku name (code page 932)
// and its count. Reading takes white-space separated tokens and skips, one at a time, every
// token that is not a key, so foreign or damaged lines cost only themselves.
#pragma once

#include <string>
#include <string_view>

#include "stats/stat_summary.h"

namespace mizaro {

// What a read found, for tools that report on a file.
struct CounterFileReport {
    int keysRead = 0;
    int tokensSkipped = 0;  // foreign tokens, and values that were not numbers
    int unknownYaku = 0;    // yaku lines whose name is not a yaku
};

// The file's text as written by `Save`.
std::string FormatCounterFile(const StatSummary& summary);

// Reads the counters over `summary` (call Reset first for a fresh read); records stay.
CounterFileReport ParseCounterFile(std::string_view text, StatSummary& summary);

}  // namespace mizaro
