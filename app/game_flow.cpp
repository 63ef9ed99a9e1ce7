#include "app/game_flow.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "analysis/nanikiru_search.h"
#include "app/edit_mode.h"
#include "app/language_text.h"
#include "app/status_text.h"
#include "core/shanten.h"

namespace mizaro {

namespace {

constexpr int kLastDrawTurn = kMaxTurns;  // draws are made while turn < 19

// Whether the 13 tiles left after discarding a held `k` are ready.
bool LeavesReady(TileCounts hand, TileKind k) {
    --hand[k];
    return Shanten(hand) == 0;
}

}  // namespace

void GameFlow::NewGame() {
    StartGame();
    NextDraw();
}

void GameFlow::StartGame() {
    state.Reset();
    state.Deal();
    record.FromDeal(state);
    record.doraIndicator = state.DrawDoraIndicator();
    noRecord = false;
    automaticPending_ = false;
    if (playMode == kPlayMode || simDisp) view_.RequestRepaint(false);
}

void GameFlow::NextDraw() {
    while (DrawStep() == Next::kDrawAgain) {
    }
}

void GameFlow::AfterDraw() {
    if (Evaluate() == Next::kDrawAgain) NextDraw();
}

GameFlow::Next GameFlow::DrawStep() {
    if (state.turn > kLastDrawTurn) return EndExhausted();
    // A loaded or edited position may leave the wall empty before turn 18; such a game ends
    // exhausted like one whose eighteenth discard is made, instead of waiting for a draw.
    const TileKind drawn = state.Draw();
    if (drawn == kNoTile) return EndExhausted();
    record.draws[state.turn - 1] = drawn;
    return Evaluate();
}

GameFlow::Next GameFlow::Evaluate() {
    view_.RequestRepaint(false);
    const int shanten = state.Shanten();
    if (shanten == -1) return EndWon();
    if (state.reachTurn != 0) {
        automaticPending_ = !finishing_ && view_.ScheduleAutomaticStep();
        if (automaticPending_) return Next::kAutomaticDue;
        DiscardDrawn();
        return Next::kDrawAgain;
    }
    if (shanten > assistLimit || playMode != kPlayMode) {
        ClearAssist();
    } else {
        ComputeAssist();
        view_.RequestRepaint(false);
    }
    return Next::kPlayerToMove;
}

void GameFlow::DiscardDrawn() {
    const TileKind drawn = state.lastDraw;
    if (state.Discard(drawn, false)) record.discards[state.turn - 2] = drawn;
}

void GameFlow::AutomaticStep() {
    if (!automaticPending_ || simRunning) return;
    automaticPending_ = false;
    DiscardDrawn();
    NextDraw();
}

void GameFlow::FinishAutomatic() {
    finishing_ = true;
    AutomaticStep();
    finishing_ = false;
}

GameFlow::Next GameFlow::EndExhausted() {
    if (showResult)
        ShowResult({InLanguage(language, "流局", "Exhaustive draw"),
                    ExhaustedText(state.Shanten(), language)});
    Record();
    StartGame();
    return Next::kDrawAgain;
}

GameFlow::Next GameFlow::EndWon() {
    if (showResult) {
        // The score turns over the ura-dora indicator of a riichi win; it is shown with it.
        std::string text = state.ScoreText(language);
        ShowResult({InLanguage(language, "和了", "Win"), std::move(text), state.lastDraw,
                    state.uraIndicator});
    }
    Record();
    StartGame();
    return Next::kDrawAgain;
}

void GameFlow::ShowResult(const GameEnd& end) {
    // The automatic discards after riichi run to the end without a repaint of their own; the
    // board behind the box must be the position it speaks of.
    view_.RequestRepaint(true);
    view_.ShowGameEnd(end);
}

void GameFlow::Record() {
    if (noRecord) return;
    const bool recorded = userStats.RecordGame(state, record);
    SaveStats();
    if (recorded) view_.GameRecorded();
}

void GameFlow::SaveStats() {
    if (statsDirectory.empty()) return;
    // A failed save is tried again after the next game and at the close; the player hears of
    // it once rather than after every game.
    if (saveNotice_.ShouldTell(userStats.Save(statsDirectory)))
        view_.ShowMessage(SaveFailedCaption(language), SaveFailedText(statsDirectory, language));
}

void GameFlow::PlayerDiscard(int slot, bool declareRiichi) {
    if (simRunning || slot < 0 || slot >= kHandSlots) return;
    if (playMode == kEditMode) {
        EditHandClick(slot, declareRiichi ? -1 : 1);
        return;
    }
    // Only a player to move discards: a 13-tile hand would otherwise shrink to 12, and the
    // draw an automatic discard is due for is not the player's.
    if (playMode != kPlayMode || state.HandTileCount() != kHandSlots || automaticPending_) return;
    const TileKind k = Slots()[slot];
    if (!state.Discard(k, declareRiichi)) return;  // an empty slot, or no turn left
    record.discards[state.turn - 2] = k;
    ClearAssist();
    view_.RequestRepaint(true);
    NextDraw();
}

void GameFlow::ComputeAssist() {
    view_.SetBusy(true);
    NanikiruSearch search(state, true, true, 0);
    search.AnalyzeDiscards();
    ClearAssist();
    search.CandidateValues(assistEv);
    assistBest = BestAssistValue(assistEv);
    assistMark = AssistMarks(assistEv);
    search.FreeCache();
    view_.SetBusy(false);
}

void GameFlow::ClearAssist() {
    assistEv.fill(0.0);
    assistBest = 0.0;
    assistMark.fill(kNoMark);
}

void GameFlow::SetMode(int mode) {
    if (simRunning || mode == state.mode || mode < kModeNormal || mode > kModeKokushi) return;
    state.mode = mode;
    NewGame();
}

void GameFlow::LeftRelease() {
    PlayerDiscard(view_.PointerSlot(), false);
}

void GameFlow::RightRelease() {
    RiichiDiscard(view_.PointerSlot());
}

void GameFlow::RiichiDiscard(int slot) {
    if (!simRunning && playMode == kPlayMode && state.reachTurn == 0 && slot >= 0 &&
        slot < kHandSlots && state.HandTileCount() == kHandSlots) {
        const TileKind k = Slots()[slot];
        if (IsValidKind(k) && state.hand[k] > 0 && !LeavesReady(state.hand, k)) {
            view_.ShowMessage(
                InLanguage(language, kRiichiCaption, "Riichi"),
                InLanguage(language, kRiichiNeedsReadyHand, kEnglishRiichiNeedsReadyHand));
            return;
        }
    }
    PlayerDiscard(slot, true);
}

void GameFlow::MiddleRelease() {
    NewGameKey();
}

void GameFlow::NewGameKey() {
    if (!simRunning) NewGame();
}

void GameFlow::SelectLeft() {
    if (simRunning) return;
    const int slot = view_.PointerSlot();
    view_.MovePointerToSlot(std::max(0, (slot < 0 ? kDrawnSlot : slot) - 1));
}

void GameFlow::SelectRight() {
    if (simRunning) return;
    const int slot = view_.PointerSlot();
    view_.MovePointerToSlot(std::min(kDrawnSlot, (slot < 0 ? kDrawnSlot : slot) + 1));
}

void GameFlow::SelectDown() {
    if (simRunning) return;
    const int slot = view_.PointerSlot();
    if (slot >= 0) PlayerDiscard(slot, false);
}

void GameFlow::SelectUp() {
    if (simRunning) return;
    const int slot = view_.PointerSlot();
    if (slot >= 0) RiichiDiscard(slot);
}

void GameFlow::DiscardDrawnTile() {
    if (simRunning) return;
    MoveAndDiscard(kDrawnSlot);
}

void GameFlow::DiscardLoneHonour() {
    if (simRunning) return;
    const TileKind k = state.LoneHonour();
    if (k == kNoTile) return;
    MoveAndDiscard(state.HandSlot(k));
}

void GameFlow::MoveAndDiscard(int slot) {
    if (slot < 0 || slot >= kHandSlots) return;
    view_.MovePointerToSlot(slot);
    PlayerDiscard(slot, false);
}

void GameFlow::SetEditing(bool editing) {
    if (simRunning) return;
    noRecord = true;
    // An edited riichi hand is the player's to discard from, as a loaded one is.
    automaticPending_ = false;
    playMode = editing ? kEditMode : kPlayMode;
    ClearAssist();  // the marks rate a position that editing is about to change
    view_.RequestRepaint(false);
    WinIfComplete();
}

void GameFlow::EditHandClick(int slot, int step) {
    const TileKind k = Slots()[slot];
    if (!EditHandTile(state, k, step)) return;
    ClearAssist();
    view_.RequestRepaint(false);
    // The changed tile now sits in the drawn-tile slot; further clicks go on changing it.
    view_.MovePointerToSlot(kDrawnSlot);
}

void GameFlow::EditDoraClick(int step) {
    if (simRunning || playMode != kEditMode) return;
    if (EditDoraIndicator(state, step)) view_.RequestRepaint(false);
}

void GameFlow::ClearDiscardsKey() {
    if (simRunning || playMode != kEditMode) return;
    ClearDiscards(state);
    view_.RequestRepaint(false);
}

void GameFlow::PositionLoaded(const KyokuState& loaded) {
    state = loaded;
    noRecord = true;
    automaticPending_ = false;
    ClearAssist();
    view_.RequestRepaint(false);
    // A position written before its draw is played on from the draw, so the player again has
    // 14 tiles to discard from.
    if (state.HandTileCount() == kHandSlots - 1) {
        NextDraw();
    } else {
        WinIfComplete();
    }
}

void GameFlow::WinIfComplete() {
    // A complete hand set up by the player is a self-drawn win, like one completed by a draw;
    // waiting for a discard from it would leave every command without a move to rate.
    if (playMode == kPlayMode && state.HandTileCount() == kHandSlots && state.Shanten() == -1)
        AfterDraw();
}

}  // namespace mizaro
