// The drill's texts in the window: the menu item with what today holds, the window's status
// line and the harvest's progress line.
#pragma once

#include <string>

#include "core/language.h"
#include "stats/drill_deck.h"

namespace mizaro {

// "ドリル" while the deck is empty, else with the problems due and the new ones the day may
// still bring: "ドリル (復習 3 / 新規 5)".
std::string DrillMenuText(const DrillDeck& deck, int day, Language language = Language::kJapanese);
// Every problem counted once: due, new, learned and still being learned.
std::string DrillStatusLine(const DrillDeck& deck, int day,
                            Language language = Language::kJapanese);
std::string DrillProgressLine(int done, int total, Language language = Language::kJapanese);

}  // namespace mizaro
