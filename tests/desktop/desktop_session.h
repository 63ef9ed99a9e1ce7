// A private X server with a real window manager (Xvfb and openbox), started once per test
// program, so the tests see frames, title bars and placement as a player's desktop does.
#pragma once

#include <string>

namespace mizaro::testing {

// Empty while the session runs; otherwise why it could not be started, for the skip message.
const std::string& DesktopUnavailable();

}  // namespace mizaro::testing
