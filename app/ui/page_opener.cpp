#include "app/ui/page_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace mizaro {

namespace {

bool IsWebAddress(const std::string& page) {
    return page.starts_with("https://") || page.starts_with("http://");
}

}  // namespace

void OpenWithDesktop(const std::string& page) {
    // A local path is never read as an address: a file named "x:y" stays a file.
    const QString text = QString::fromStdString(page);
    QDesktopServices::openUrl(IsWebAddress(page) ? QUrl(text) : QUrl::fromLocalFile(text));
}

}  // namespace mizaro
