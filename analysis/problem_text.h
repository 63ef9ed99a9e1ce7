// The what-to-discard problem (問題) and its explanation (解説) as an HTML fragment for the
// clipboard, meant for a page two folders below the one that holds img/.
#pragma once

#include "analysis/nanikiru_search.h"
#include "analysis/page_text.h"

namespace mizaro {

// Searches the 14-tile hand of `game` without hand changes and returns the fragment, or the
// refusal of a hand too far from ready, in `language`. A complete hand gives an empty text.
AnalysisText ProblemTextFor(const KyokuState& game, Language language = Language::kJapanese);

// The fragment of a top node after AnalyzeDiscards, read while its memo is alive.
std::string ProblemText(const NanikiruSearch& top, Language language = Language::kJapanese);

}  // namespace mizaro
