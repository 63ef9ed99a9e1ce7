// What the game flow needs from a window: a repaint, a message box, the pointer over the hand
// slots and a busy cursor. Tests drive the flow through a recording stand-in.
#pragma once

#include <string>

#include "core/tile.h"

namespace mizaro {

// What the player is told when a game ends: the caption and text of the result, and for a win
// the winning tile and, after riichi, the ura-dora indicator turned over for it.
struct GameEnd {
    std::string caption;
    std::string text;
    TileKind winningTile = kNoTile;
    TileKind uraIndicator = kNoTile;
};

class GameView {
  public:
    virtual ~GameView() = default;

    // `now` asks for the repaint before returning (the hand must show before the next draw).
    virtual void RequestRepaint(bool now) = 0;
    // A modal message box with an OK button; its answer is not needed.
    virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
    // The result of a finished game, modal like a message; a view without pictures shows it as
    // one.
    virtual void ShowGameEnd(const GameEnd& end) { ShowMessage(end.caption, end.text); }
    // After riichi a draw that does not win is discarded without the player. A view that
    // returns true calls GameFlow::AutomaticStep for it later, so the player can follow each
    // draw; otherwise the flow discards at once.
    virtual bool ScheduleAutomaticStep() { return false; }
    // The hand slot 0..13 under the pointer, or -1.
    virtual int PointerSlot() const = 0;
    // Moves the pointer onto a hand slot, so that it always shows the selected tile.
    virtual void MovePointerToSlot(int slot) = 0;
    virtual void SetBusy(bool busy) = 0;
    // A game of the user went into the records (and was saved when a directory is set).
    virtual void GameRecorded() {}
};

}  // namespace mizaro
