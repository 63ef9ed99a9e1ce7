// The what-to-discard report (何切る？): every discard of the hand with its expected points,
// effective tiles and chances to win and to be ready, the same values for every draw number,
// the positions the search computed and, down to a chosen depth, the best reply to every draw.
#pragma once

#include <atomic>
#include <cstddef>

#include "analysis/nanikiru_search.h"
#include "analysis/page_text.h"

namespace mizaro {

// Deeper hands take too long to search; the report refuses them.
inline constexpr int kReportMaxShanten = 3;
inline constexpr int kMinReportDepth = 1;
inline constexpr int kMaxReportDepth = 5;

// A hand reached along many paths gets a section for each, so the deeper sections multiply with
// every level of depth: past this size no further section is begun, and the page says it was
// cut. Pages below it are whole.
inline constexpr std::size_t kReportPageSizeLimit = 20u << 20;

// Searches the 14-tile hand of `game` with `slack` (0, or 1 for hand changes) and returns the
// whole page, or the refusal of a hand too far from ready, in `language`. Once `stop` is set
// the search ends soon and the text is marked stopped.
AnalysisText ReportPageFor(const KyokuState& game, int slack, int depth,
                           std::size_t sizeLimit = kReportPageSizeLimit,
                           Language language = Language::kJapanese,
                           const std::atomic<bool>* stop = nullptr);

// The largest candidate value at the draw after the top discard, 0 when none is positive.
double BestCandidateValue(const NanikiruSearch& top);

// The page of a top node after AnalyzeDiscards, read while its memo is alive.
std::string ReportPage(const NanikiruSearch& top, int depth,
                       std::size_t sizeLimit = kReportPageSizeLimit,
                       Language language = Language::kJapanese);

}  // namespace mizaro
