// A hand and the dora indicator as HTML image tags, for the pages and the clipboard.
//
// Every rendering walks the kinds in order and repeats a kind's tag for each tile held, so a
// hand always appears sorted; the drawn tile is not set apart.
#pragma once

#include <string>

#include "core/kyoku_state.h"
#include "core/language.h"

namespace mizaro {

// Appends one bordered tag per tile of the hand and a line break, for the report pages.
void WriteHandImages(const KyokuState& state, std::string& page);

// "<IMG SRC=\"prefix+path\">" per tile of the hand.
std::string HandImagesHtml(const KyokuState& state, const std::string& prefix);

// "ドラ表示牌：" ("Dora indicator: ") and the tag of the indicator of the lowest kind that
// carries dora; "" with no dora at all, as there is no indicator to show.
std::string DoraIndicatorHtml(const KyokuState& state, const std::string& prefix,
                              Language language = Language::kJapanese);

// The texts the two copy commands put on the clipboard: the hand as tags, and the position as
// a fragment meant for pages two folders below the one that holds img/ (its dora paragraph
// left out when there is no indicator).
std::string CopyHandImagesText(const KyokuState& state);
std::string CopyPositionHtmlText(const KyokuState& state, Language language = Language::kJapanese);

}  // namespace mizaro
