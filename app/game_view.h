// What the game flow needs from a window: a repaint, a message box, the pointer over the hand
// slots and a busy cursor. Tests drive the flow through a recording stand-in.
#pragma once

#include <string>

namespace mizaro {

class GameView {
  public:
    virtual ~GameView() = default;

    // `now` asks for the repaint before returning (the hand must show before the next draw).
    virtual void RequestRepaint(bool now) = 0;
    // A modal message box with an OK button; its answer is not needed.
    virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
    // The hand slot 0..13 under the pointer, or -1.
    virtual int PointerSlot() const = 0;
    // Moves the pointer onto a hand slot, so that it always shows the selected tile.
    virtual void MovePointerToSlot(int slot) = 0;
    virtual void SetBusy(bool busy) = 0;
    // A game of the user went into the records (and was saved when a directory is set).
    virtual void GameRecorded() {}
};

}  // namespace mizaro
