#include "app/ui/result_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/tabbed_html.h"

namespace mizaro {

namespace {

// Room a title bar takes beside its text: the icon and the buttons. Some platforms cut a title
// short rather than widen a small box for it.
constexpr int kTitleBarExtra = 160;

QWidget* Captioned(const QString& caption, const QPixmap& picture, const char* name) {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(caption), 0, Qt::AlignHCenter);
    auto* tile = new QLabel;
    tile->setObjectName(QString::fromUtf8(name));
    tile->setPixmap(picture);
    layout->addWidget(tile, 0, Qt::AlignHCenter);
    return column;
}

}  // namespace

void PlaceableMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);  // sizes the box and centres it on its parent
    if (onShown) onShown(this);
}

WinBox::WinBox(const QString& title, const std::string& scoreText, const QPixmap& winningTile,
               const QPixmap& uraIndicator, QWidget* parent)
    : QDialog(parent), scoreText_(scoreText) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* tiles = new QHBoxLayout;
    tiles->addWidget(Captioned(tr("和了牌"), winningTile, "winningTile"));
    if (!uraIndicator.isNull())
        tiles->addWidget(Captioned(tr("裏ドラ表示牌"), uraIndicator, "uraIndicator"));
    tiles->addStretch();
    layout->addLayout(tiles);

    auto* score = new QLabel(TabbedHtml(scoreText));
    score->setTextFormat(Qt::RichText);
    layout->addWidget(score);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(title) + kTitleBarExtra);
}

void WinBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (onShown) onShown(this);
}

}  // namespace mizaro
