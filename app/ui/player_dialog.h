// The dialog that asks which player of an imported game to review: the four seats with their
// names, one of them chosen at the start.
#pragma once

#include <QDialog>
#include <array>
#include <string>

class QRadioButton;

namespace mizaro {

class PlayerDialog : public QDialog {
    Q_OBJECT

  public:
    // `names` in seat order (UTF-8, empty when the log has none); `chosen` the seat checked.
    PlayerDialog(const std::array<std::string, 4>& names, int chosen, QWidget* parent = nullptr);

    int seat() const;
    QRadioButton* seatButton(int seat) const { return seats_[seat]; }

  private:
    std::array<QRadioButton*, 4> seats_{};
};

}  // namespace mizaro
