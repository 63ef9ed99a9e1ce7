// Opening a written page with the desktop's default handler. The window holds the opener as a
// replaceable function, so the window tests see which page would open without a browser.
#pragma once

#include <functional>
#include <string>

namespace mizaro {

// `page` is a local file's path or a web address (http:// or https://).
using PageOpener = std::function<void(const std::string& page)>;

// Hands the page to the desktop's default handler for its type (the browser for a page).
void OpenWithDesktop(const std::string& page);

}  // namespace mizaro
