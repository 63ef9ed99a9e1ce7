// The system clipboard as plain text.
#pragma once

#include <string>

namespace mizaro {

// Puts UTF-8 text on the clipboard; a clipboard that cannot be reached is left alone.
void CopyTextToClipboard(const std::string& text);

}  // namespace mizaro
