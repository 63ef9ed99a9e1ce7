// The boxes that report the end of a game. Both call `onShown` once they are shown and have
// their final size, before the platform puts them on the screen, so the window can place them
// where they leave the game in sight.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPixmap>
#include <functional>
#include <string>

namespace mizaro {

using PlaceBoxFn = std::function<void(QWidget*)>;

// A message box its owner may place.
class PlaceableMessageBox : public QMessageBox {
    Q_OBJECT

  public:
    using QMessageBox::QMessageBox;
    PlaceBoxFn onShown;

  protected:
    void showEvent(QShowEvent* event) override;
};

// The win: the winning tile, the ura-dora indicator of a riichi win, and the score text with
// one yaku and its han a line and the summary below.
class WinBox : public QDialog {
    Q_OBJECT

  public:
    // A null `uraIndicator` leaves its picture out (no riichi, no ura-dora).
    WinBox(const QString& title, const std::string& scoreText, const QPixmap& winningTile,
           const QPixmap& uraIndicator, QWidget* parent = nullptr);

    const std::string& scoreText() const { return scoreText_; }
    PlaceBoxFn onShown;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    std::string scoreText_;
};

}  // namespace mizaro
