#include "app/ui/page_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace mizaro {

void OpenWithDesktop(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace mizaro
