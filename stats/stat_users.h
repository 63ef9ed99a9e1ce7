// The users are the names behind the counter files "StatMan_<name>.txt" in the data directory.
#pragma once

#include <string>
#include <vector>

#include "platform/data_directory.h"

namespace mizaro {

// The names of the users with a counter file, in byte order (the default user has its own
// file, "StatMan.txt", and is not listed). Files whose name part is no valid user name, or a
// name whose statistics live elsewhere ("StatCom", "default"), are left out, since no summary
// could be loaded from them under that name.
std::vector<std::string> ListStatUsers(const std::string& directory = DataDirectory());

// Removes the counter file and the game log of `name`. The default user always exists, the
// computer's statistics are no user's and an invalid name names no file, so these are refused
// (false). Missing files are not an error.
bool DeleteUserFiles(const std::string& name, const std::string& directory = DataDirectory());

}  // namespace mizaro
