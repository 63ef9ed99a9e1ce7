// The directory that holds the settings, the statistics and the pages.
//
// It is the program's own directory, so an installation keeps its files together. A program
// installed where its user cannot write (a system directory) would otherwise lose every
// setting and statistic without a word, so there the per-user data directory is used instead.
#pragma once

#include <string>

namespace mizaro {

// Ends with '/'; computed afresh at every call. Creates the per-user directory when it is used.
std::string DataDirectory();

// The choice itself, apart from the process: the program directory when it is writable, else
// `xdgDataHome`/mizaro/ (an absolute XDG_DATA_HOME only), else `home`/.local/share/mizaro/.
// Null or empty arguments count as unset. The per-user directory is created; when that fails
// too, the program directory is the best there is.
std::string ChooseDataDirectory(const std::string& programDirectory, const char* xdgDataHome,
                                const char* home);

}  // namespace mizaro
