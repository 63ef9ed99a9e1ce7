// Review.htm for an online game: the player, the total loss and the game's largest losses at
// the top, then each hand with its players, its result and the player's rated turns in the
// table of the solo review.
//
// The Japanese page keeps to code page 932 (a name with characters outside it is written with
// character references) and the English one declares UTF-8.
#pragma once

#include <string>

#include "core/language.h"
#include "online/online_game.h"
#include "online/online_review.h"

namespace mizaro {

// "東2局 1本場"; in English "East 2, 1 honba".
std::string HandTitle(const OnlineHand& hand, Language language = Language::kJapanese);

std::string OnlineReviewPage(const OnlineGame& game, const OnlineReview& review,
                             Language language = Language::kJapanese);

}  // namespace mizaro
