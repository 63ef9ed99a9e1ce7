// The what-to-discard problem (問題) and its explanation (解説) as an HTML fragment for the
// clipboard, meant for a page two folders below the one that holds img/.
#pragma once

#include <atomic>

#include "analysis/nanikiru_search.h"
#include "analysis/page_text.h"

namespace mizaro {

// Searches the 14-tile hand of `game` without hand changes and returns the fragment, or the
// refusal of a hand too far from ready, in `language`. A complete hand gives an empty text.
// Once `stop` is set the search ends soon and the text is marked stopped.
AnalysisText ProblemTextFor(const KyokuState& game, Language language = Language::kJapanese,
                            const std::atomic<bool>* stop = nullptr);

// The fragment of a top node after AnalyzeDiscards, read while its memo is alive.
std::string ProblemText(const NanikiruSearch& top, Language language = Language::kJapanese);

}  // namespace mizaro
