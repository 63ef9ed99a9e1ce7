// The program's name and version, as the about box and the page heads show it.
#pragma once

namespace mizaro {

inline constexpr const char* kVersionText = "Mizaro ver.1.52";

}  // namespace mizaro
