// The program's logic speaks both languages without Qt: each text is written in Japanese, its
// source, with its English beside it, and the caller's language picks one.
#pragma once

#include "core/language.h"

namespace mizaro {

constexpr const char* InLanguage(Language language, const char* japanese, const char* english) {
    return language == Language::kEnglish ? english : japanese;
}

}  // namespace mizaro
