// The directory that holds the settings, the statistics and the pages.
//
// It is the program's own directory, so a program unpacked into a folder of its own keeps its
// files together. An installed program (one with a share/mizaro/ folder beside its bin/) and a
// program where its user cannot write would otherwise litter a system folder or lose every
// setting and statistic without a word, so those use the per-user data directory instead.
#pragma once

#include <string>

namespace mizaro {

// Ends with '/'; computed afresh at every call. Creates the per-user directory when it is used.
std::string DataDirectory();

// The choice itself, apart from the process: the program directory when it is writable and
// the program is not `installed`, else `xdgDataHome`/mizaro/ (an absolute XDG_DATA_HOME only),
// else `home`/.local/share/mizaro/. Null or empty arguments count as unset. The per-user
// directory is created; when that fails too, the program directory is the best there is.
std::string ChooseDataDirectory(const std::string& programDirectory, const char* xdgDataHome,
                                const char* home, bool installed = false);

}  // namespace mizaro
