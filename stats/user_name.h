// A user name becomes part of two file names ("StatMan_" + name + ".txt" and ".log") and one
// token of the settings file, so only names that stay inside the data directory and read back
// whole are accepted.
#pragma once

#include <string_view>

namespace mizaro {

inline constexpr std::string_view kDefaultUserName = "default";
inline constexpr std::string_view kComputerStatName = "StatCom";

// Non-empty valid UTF-8 that code page 932 can hold (the settings file stores the name in it),
// without '/', '\\', blanks (ASCII or full-width) or control characters, and short enough
// for a file name.
bool IsValidUserName(std::string_view name);

}  // namespace mizaro
