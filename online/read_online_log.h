// An online game log of either form, told apart by its first bytes: gzip-compressed, XML ('<')
// or JSON ('{').
#pragma once

#include <string>
#include <string_view>

#include "online/online_game.h"

namespace mizaro {

OnlineRead ReadOnlineLog(std::string_view data);

// The refusal names the file.
OnlineRead ReadOnlineLogFile(const std::string& path);

}  // namespace mizaro
