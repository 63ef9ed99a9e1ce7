// Drill.htm: the progress of a user's drill as one page in UTF-8, with no script and no file
// beside it: the problems learned, due and new, two charts by week (the share of right answers,
// and the average searched loss of a game harvested that week) and the ten problems answered
// wrong most often.
#pragma once

#include <string>

#include "core/language.h"
#include "stats/drill_deck.h"

namespace mizaro {

// The page in `language`; UTF-8 and declared so in either language.
std::string DrillPage(const DrillDeck& deck, int day, Language language = Language::kJapanese);

}  // namespace mizaro
