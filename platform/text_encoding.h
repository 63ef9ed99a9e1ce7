// Text in memory is UTF-8; the files the program shares with the desktop world of its users
// (yaku names in the counter files, the user name in the settings file) are code page 932.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mizaro {

// Nothing when the text is not valid UTF-8 or holds a character code page 932 cannot show.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
// Nothing when the bytes are not valid code page 932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

}  // namespace mizaro
