// Where the program's help pages are: help/<language>/index.html beside the program (a build
// tree copies them there) or in the installation's share/mizaro/help/ folder.
#pragma once

#include <string>
#include <vector>

namespace mizaro {

// The language whose page is always written; others are looked for first when asked for.
inline constexpr const char* kHelpDefaultLanguage = "ja";

// The candidate files, in the order they are tried: the asked-for language before the default
// one, and for each the build tree's copy before the installed one.
std::vector<std::string> HelpPagePaths(const std::string& programDirectory,
                                       const std::string& language);

// The first candidate that is a regular file; empty when there is none.
std::string FindHelpPage(const std::string& programDirectory, const std::string& language);

}  // namespace mizaro
