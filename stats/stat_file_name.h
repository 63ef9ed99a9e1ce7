// The file names of a summary's counter file and game log.
#pragma once

#include <string>

namespace mizaro {

// "StatCom" + ext for the computer, "StatMan" + ext for "default", "StatMan_" + name + ext for
// any other user; ext is ".log" or ".txt". Empty for a name that cannot be part of a file name
// (see IsValidUserName), so no caller ever reaches outside the data directory.
std::string StatFileName(const std::string& name, bool isLog);

}  // namespace mizaro
