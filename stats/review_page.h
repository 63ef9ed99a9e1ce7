// Review.htm: the review of one game as a page, turn by turn.
//
// The page keeps to characters that code page 932 has and says so in its head, so it is
// written like the other pages.
#pragma once

#include <string>

#include "stats/game_review.h"

namespace mizaro {

// `title` names the game reviewed, e.g. "対局中の局" or "1 局前".
std::string ReviewPage(const GameReview& review, const std::string& title);

}  // namespace mizaro
