// The user dialog ("ユーザの設定"): the list of users with add and delete; OK (or a double
// click on an entry) chooses the selected user.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/user_list.h"

class QListWidget;

namespace mizaro {

class UserDialog : public QDialog {
    Q_OBJECT

  public:
    UserDialog(const std::vector<std::string>& found, const std::string& current,
               const std::string& dataDirectory, QWidget* parent = nullptr);

    const std::string& chosenName() const { return list_.SelectedName(); }
    // Whether the user who was current when the dialog opened has been deleted in it.
    bool currentUserDeleted() const { return currentDeleted_; }

    // The add step with the typed text, as the add dialog's OK gives it.
    AddUserOutcome AddTyped(const QString& typed);
    // The delete step after the player confirmed it.
    void DeleteConfirmed();
    QListWidget* listWidget() const { return view_; }

  private:
    void AskToAdd();
    void AskToDelete();
    void ShowList();

    UserList list_;
    std::string current_;
    bool currentDeleted_ = false;
    std::string dataDirectory_;
    QListWidget* view_ = nullptr;
};

}  // namespace mizaro
