// Keeps a key that was meant for a box, or for cutting the riichi draws short, from acting on
// the game after it: held down, it would otherwise repeat into the window as a discard of the
// next game's drawn tile.
#pragma once

#include <QObject>
#include <set>

namespace mizaro {

class HeldKeyGuard : public QObject {
  public:
    // Watches the key events of the whole application.
    explicit HeldKeyGuard(QObject* parent = nullptr);

    // From now until the key is released, none of its presses reaches anything.
    void Hold(int key);
    // A modal box is open: the keys pressed on it are held from its close until their release.
    void BoxOpened();
    void BoxClosed();

    bool holding(int key) const { return held_.count(key) != 0; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::set<int> held_;
    std::set<int> pressedInBox_;
    int openBoxes_ = 0;
};

}  // namespace mizaro
