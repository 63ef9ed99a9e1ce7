// The pages and texts of the statistics keep each Japanese text beside its English one, at the
// place that shows them, so that a change to one is seen next to the other.
#pragma once

#include "core/language.h"

namespace mizaro {

constexpr const char* InLanguage(Language language, const char* japanese, const char* english) {
    return language == Language::kEnglish ? english : japanese;
}

}  // namespace mizaro
