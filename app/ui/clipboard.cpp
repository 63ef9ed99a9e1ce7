#include "app/ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace mizaro {

void CopyTextToClipboard(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard != nullptr) clipboard->setText(QString::fromStdString(text));
}

}  // namespace mizaro
