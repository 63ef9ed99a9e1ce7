#include "app/ui/review_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace mizaro {

ReviewDialog::ReviewDialog(bool inProgress, int recorded, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("局の検討"));
    inProgress_ = new QRadioButton(tr("対局中の局"), this);
    recorded_ = new QRadioButton(tr("記録した局"), this);
    number_ = new QSpinBox(this);
    number_->setRange(1, recorded > 0 ? recorded : 1);
    number_->setValue(1);
    auto* before = new QLabel(tr("局前（1 が最新）"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    inProgress_->setEnabled(inProgress);
    recorded_->setEnabled(recorded > 0);
    // The game on the table comes first; without one the latest recorded game.
    (inProgress ? inProgress_ : recorded_)->setChecked(true);
    number_->setEnabled(recorded_->isChecked());
    connect(recorded_, &QRadioButton::toggled, number_, &QSpinBox::setEnabled);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(inProgress_, 0, 0, 1, 3);
    grid->addWidget(recorded_, 1, 0);
    grid->addWidget(number_, 1, 1);
    grid->addWidget(before, 1, 2);
    grid->addWidget(buttons, 2, 0, 1, 3);
}

bool ReviewDialog::inProgressChosen() const {
    return inProgress_->isChecked();
}

int ReviewDialog::gameNumber() const {
    return number_->value();
}

}  // namespace mizaro
