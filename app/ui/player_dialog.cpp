#include "app/ui/player_dialog.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mizaro {

PlayerDialog::PlayerDialog(const std::array<std::string, 4>& names, int chosen, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("検討するプレイヤー"));
    auto* layout = new QVBoxLayout(this);
    for (int s = 0; s < static_cast<int>(seats_.size()); ++s) {
        const QString name =
            names[s].empty() ? tr("（名前なし）") : QString::fromStdString(names[s]);
        seats_[s] = new QRadioButton(tr("席 %1：%2").arg(s + 1).arg(name), this);
        layout->addWidget(seats_[s]);
    }
    seats_[chosen >= 0 && chosen < static_cast<int>(seats_.size()) ? chosen : 0]->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // A narrow dialog would cut its own title short in the frame; leave room for the frame's
    // icon and buttons beside it.
    constexpr int kTitleBarControls = 160;
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarControls);
}

int PlayerDialog::seat() const {
    for (int s = 0; s < static_cast<int>(seats_.size()); ++s)
        if (seats_[s]->isChecked()) return s;
    return 0;
}

}  // namespace mizaro
