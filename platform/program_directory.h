// The directory that holds the running program, found from the executable's own path, so a
// start through a relative path, another working directory or a link still finds it.
#pragma once

#include <string>

namespace mizaro {

// The directory with a trailing '/'; empty when the platform cannot tell.
std::string ProgramDirectory();

}  // namespace mizaro
