// Review.htm: the review of one game as a page, turn by turn.
//
// The Japanese page keeps to characters that code page 932 has and says so in its head, so it
// is written like the other pages; the English one is written in UTF-8.
#pragma once

#include <string>

#include "core/language.h"
#include "stats/game_review.h"

namespace mizaro {

// The table of rated turns, shared with the review of an online game: its opening with the
// row of headings, then one row per turn (a marked turn coloured, its loss in bold).
std::string ReviewTableHead(Language language);
void AppendReviewRow(const TurnReview& turn, Language language, std::string& out);

// "対局中の局" for 0 (the game on the table), "N 局前" for the Nth recorded game counted from
// the latest; in English "The game in progress", "1 game ago", "N games ago".
std::string ReviewTitle(int gamesBack, Language language = Language::kJapanese);

// `title` names the game reviewed, e.g. ReviewTitle(1). The English page declares UTF-8 and
// names the tiles and the mode in English.
std::string ReviewPage(const GameReview& review, const std::string& title,
                       Language language = Language::kJapanese);

}  // namespace mizaro
