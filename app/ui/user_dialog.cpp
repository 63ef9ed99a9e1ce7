#include "app/ui/user_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "stats/user_name.h"

namespace mizaro {

UserDialog::UserDialog(const std::vector<std::string>& found, const std::string& current,
                       const std::string& dataDirectory, QWidget* parent)
    : QDialog(parent), list_(found, current), current_(current), dataDirectory_(dataDirectory) {
    setWindowTitle(tr("ユーザの設定"));
    view_ = new QListWidget(this);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* add = new QPushButton(tr("追加"), this);
    auto* remove = new QPushButton(tr("削除"), this);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);

    connect(view_, &QListWidget::currentRowChanged, this, [this](int row) { list_.Select(row); });
    connect(view_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    connect(add, &QPushButton::clicked, this, [this] { AskToAdd(); });
    connect(remove, &QPushButton::clicked, this, [this] { AskToDelete(); });
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(remove);
    side->addStretch(1);
    side->addWidget(ok);
    auto* row = new QHBoxLayout(this);
    row->addWidget(view_, 1);
    row->addLayout(side);
    ShowList();
}

void UserDialog::ShowList() {
    const QSignalBlocker block(view_);
    view_->clear();
    for (const std::string& name : list_.names()) view_->addItem(QString::fromStdString(name));
    view_->setCurrentRow(list_.selected());
}

void UserDialog::AskToAdd() {
    QInputDialog ask(this);
    ask.setWindowTitle(tr("ユーザの追加"));
    ask.setLabelText(tr("ユーザ名："));
    ask.setInputMode(QInputDialog::TextInput);
    if (ask.exec() != QDialog::Accepted) return;
    const AddUserOutcome outcome = AddTyped(ask.textValue());
    if (outcome == AddUserOutcome::kRefused) {
        QMessageBox::warning(this, tr("ユーザの追加"), tr("この名前はユーザ名に使えません。"));
    } else if (outcome == AddUserOutcome::kDuplicate) {
        QMessageBox::warning(this, tr("ユーザの追加"), tr("この名前のユーザは既にいます。"));
    }
}

AddUserOutcome UserDialog::AddTyped(const QString& typed) {
    const AddUserOutcome outcome = list_.Add(typed.toStdString(), dataDirectory_);
    if (outcome == AddUserOutcome::kAdded) ShowList();
    return outcome;
}

void UserDialog::AskToDelete() {
    if (!list_.CanDeleteSelected()) return;
    const auto answer = QMessageBox::question(
        this, tr("ユーザの削除"),
        tr("このユーザに関するデータが失われます。\r\n削除してもいいですか？"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer == QMessageBox::Ok) DeleteConfirmed();
}

void UserDialog::DeleteConfirmed() {
    const std::string name = list_.SelectedName();
    if (!list_.DeleteSelected(dataDirectory_)) return;
    // The default user's files are never deleted, even through a second entry of its name.
    if (name == current_ && name != kDefaultUserName) currentDeleted_ = true;
    ShowList();
}

}  // namespace mizaro
