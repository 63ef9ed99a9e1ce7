// The HTML pages (the analyses, the statistics) are built in UTF-8 and handed to the browser
// as files in the data directory: code page 932 for the Japanese pages, UTF-8 (which the page
// declares) for the English ones.
#pragma once

#include <string>
#include <string_view>

#include "core/language.h"

namespace mizaro {

// Writes `utf8Html` as code page 932 to `path`, atomically. False, with the previous page left
// as it was, when the text cannot be converted or the file cannot be written: the caller must
// then not open the old page as if it were the new one.
bool WritePage(const std::string& path, std::string_view utf8Html);
enum class PageEncoding { kCp932, kUtf8 };
// The encoding a page of `language` is written in, which the page declares.
constexpr PageEncoding EncodingOf(Language language) {
    return language == Language::kJapanese ? PageEncoding::kCp932 : PageEncoding::kUtf8;
}
bool WritePage(const std::string& path, std::string_view utf8Html, PageEncoding encoding);
bool WritePage(const std::string& path, std::string_view utf8Html, Language language);

}  // namespace mizaro
