#include "app/ui/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/version.h"

namespace mizaro {

QString VersionText() {
    return QStringLiteral("Mizaro ver.") + QString::fromUtf8(ProgramVersion());
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Mizaro"));
    auto* icon = new QLabel(this);
    if (parent != nullptr) icon->setPixmap(parent->windowIcon().pixmap(42, 66));
    auto* text = new QLabel(VersionText(), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(buttons);
}

}  // namespace mizaro
