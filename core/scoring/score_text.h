// The text the player sees after a win: one line per yaku, then one summary line.
#pragma once

#include <string>

#include "core/agari_result.h"
#include "core/language.h"

namespace mizaro {

// The text of a scored reading (its `han`, `fu` and `points` already set), in `language`.
std::string FormatScoreText(const AgariResult& r, Language language = Language::kJapanese);

}  // namespace mizaro
