// The dialog of 局の検討: which game to review, the game on the table or a recorded game of the
// current user counted from the latest.
#pragma once

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace mizaro {

class ReviewDialog : public QDialog {
    Q_OBJECT

  public:
    // `inProgress`: the game on the table can be reviewed; `recorded`: the user's games.
    ReviewDialog(bool inProgress, int recorded, QWidget* parent = nullptr);

    bool inProgressChosen() const;
    int gameNumber() const;  // 1 the latest; meaningful when the game in progress is not chosen

    QRadioButton* inProgressButton() const { return inProgress_; }
    QRadioButton* recordedButton() const { return recorded_; }
    QSpinBox* numberBox() const { return number_; }

  private:
    QRadioButton* inProgress_ = nullptr;
    QRadioButton* recorded_ = nullptr;
    QSpinBox* number_ = nullptr;
};

}  // namespace mizaro
