// The statistics text report: the user's figures as plain text for a mail or a bulletin board,
// in lines ending with "\r\n".
#pragma once

#include <string>

#include "core/language.h"
#include "stats/stat_summary.h"

namespace mizaro {

enum StatTextKind : int {
    kStatTextFigures = 1,
    kStatTextYaku = 2,
    kStatTextShanten = 3,
    kStatTextAll = 4,
};

// The report of `kind` in UTF-8; empty for a kind outside 1..4. The English report lines up
// its columns with ASCII spaces.
std::string StatText(const StatSummary& user, int kind, Language language = Language::kJapanese);

}  // namespace mizaro
