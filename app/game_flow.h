// The game cycle of play: deal, draw, the player's discard (or the automatic one after riichi),
// the end of a game, its record, and the next deal at once.
//
// The flow owns the game and the user's statistics and reaches the window only through
// GameView, so whole games can be driven without a window system. The operations chain into
// each other until the player must choose a discard; there is no waiting state between games.
#pragma once

#include <string>

#include "app/assist_marks.h"
#include "app/game_view.h"
#include "app/hand_slots.h"
#include "app/save_notice.h"
#include "core/kyoku_state.h"
#include "core/language.h"
#include "stats/game_record.h"
#include "stats/stat_summary.h"

namespace mizaro {

enum PlayMode : int { kPlayMode = 0, kSimulationMode = 1, kEditMode = 2 };

// The answer to a riichi input on a discard that would leave the hand not ready.
inline constexpr const char* kRiichiCaption = "リーチ";
inline constexpr const char* kRiichiNeedsReadyHand =
    "この牌を捨てると聴牌になりません。リーチは聴牌の時だけ宣言できます。";
inline constexpr const char* kEnglishRiichiNeedsReadyHand =
    "This discard leaves the hand not ready. Riichi can only be declared when tenpai.";

inline constexpr int kAssistOff = -1;
inline constexpr int kAssistMax = 3;

class GameFlow {
  public:
    explicit GameFlow(GameView& view) : view_(view) {}

    // Abandons the game in progress (never recorded), deals a new one and draws its first tile.
    void NewGame();
    // Draws for the current turn and evaluates, or ends the game exhausted when turn 18 is
    // over or the wall has nothing left; then goes on until the player must move.
    void NextDraw();
    // Evaluates the hand after a draw: a win ends the game, riichi discards the draw, otherwise
    // the assist is refreshed and the player is to move.
    void AfterDraw();
    // The kind shown in a hand slot is discarded; in edit mode the tile is stepped instead.
    // The riichi flag declares riichi when the discard leaves the hand ready, before turn 18.
    void PlayerDiscard(int slot, bool declareRiichi);
    void ComputeAssist();
    void ClearAssist();
    void SetMode(int mode);

    // The automatic discard after riichi that the view scheduled: discards the drawn tile and
    // plays on until the player must move or the next automatic discard is due.
    void AutomaticStep();
    // Plays every automatic discard still due at once, up to the win or the end of the game.
    void FinishAutomatic();
    // An automatic discard is due; the player has nothing to discard meanwhile.
    bool AutomaticPending() const { return automaticPending_; }

    // The selection inputs: mouse releases over the hand and the keys that move the pointer.
    void LeftRelease();
    void RightRelease();
    void MiddleRelease();
    void SelectLeft();
    void SelectRight();
    void SelectDown();
    void SelectUp();
    void DiscardDrawnTile();
    void DiscardLoneHonour();
    void NewGameKey();

    // Edit mode: entering and leaving both keep the game in progress out of the statistics.
    // A hand left complete has won, as when it is loaded.
    void SetEditing(bool editing);
    // A click on the dora indicator in edit mode, step +1 (left) or -1 (right).
    void EditDoraClick(int step);
    // Delete in edit mode: every discard goes back to the wall.
    void ClearDiscardsKey();
    // A position was loaded: play goes on from it, unrecorded; a 13-tile hand draws first, and
    // a complete 14-tile hand wins by self-draw at once.
    void PositionLoaded(const KyokuState& loaded);

    SlotKinds Slots() const { return HandSlotKinds(state); }

    KyokuState state;
    GameRecord record;
    StatSummary userStats;
    // Where the user's statistics are saved after every recorded game, so a game is on disk as
    // soon as it ends; empty keeps them in memory only.
    std::string statsDirectory;
    int playMode = kPlayMode;
    bool noRecord = false;
    bool showResult = true;
    Language language = Language::kJapanese;  // of the messages and the result texts
    bool simRunning = false;
    bool simDisp = true;
    int assistLimit = 0;
    KindValues assistEv{};
    double assistBest = 0.0;
    KindMarks assistMark = AssistMarks(KindValues{});

  private:
    enum class Next { kPlayerToMove, kDrawAgain, kAutomaticDue };

    void StartGame();
    Next DrawStep();
    Next Evaluate();
    Next EndExhausted();
    Next EndWon();
    void ShowResult(const GameEnd& end);
    void DiscardDrawn();
    void Record();
    void SaveStats();
    void MoveAndDiscard(int slot);
    // The player's riichi input: a discard that would leave the hand unready is refused with
    // a message and nothing moves; they asked for riichi, not for this tile as a plain discard.
    void RiichiDiscard(int slot);
    void EditHandClick(int slot, int step);
    void WinIfComplete();

    GameView& view_;
    SaveNotice saveNotice_;
    bool automaticPending_ = false;
    bool finishing_ = false;  // FinishAutomatic plays the discards without the view's pace
};

}  // namespace mizaro
