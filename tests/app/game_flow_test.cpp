#include "app/game_flow.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/edit_mode.h"
#include "app/hand_text.h"
#include "app/position_file.h"
#include "core/random.h"
#include "flow_test_support.h"
#include "temp_dir.h"

namespace mizaro::testing {
namespace {

class GameFlowTest : public ::testing::Test {
  protected:
    GameFlowTest() { view.flow = &flow; }

    // Discards the tile whose removal leaves the lowest shanten, asking for riichi when ready.
    void PlayGreedyDiscard() {
        const SlotKinds slots = flow.Slots();
        int best = kDrawnSlot;
        int bestShanten = 99;
        for (int slot = 0; slot < kHandSlots; ++slot) {
            KyokuState copy = flow.state;
            if (!copy.RemoveFromHand(slots[slot], false)) continue;
            const int s = copy.Shanten();
            if (s < bestShanten) {
                bestShanten = s;
                best = slot;
            }
        }
        view.pointer = best;
        bestShanten == 0 ? flow.RightRelease() : flow.LeftRelease();
    }

    FakeView view;
    GameFlow flow{view};
};

TEST_F(GameFlowTest, WholeGamesEndRecordAndDealAgain) {
    SeedThreadRandom(20240607);
    flow.state.mode = kModeHonitsu;  // wins often enough, and still ends some games unready
    flow.assistLimit = kAssistOff;
    flow.NewGame();
    bool sawWin = false, sawTenpai = false, sawNoten = false, sawRiichi = false;
    bool sawRiichiWin = false, sawRiichiExhausted = false;
    for (int move = 0; move < 4000; ++move) {
        ExpectPlayerToMove(flow.state);
        EXPECT_FALSE(flow.noRecord);
        PlayGreedyDiscard();
    }
    ASSERT_FALSE(view.messages.empty());
    for (const Message& m : view.messages) {
        ExpectPaintedAsItStands(m);
        const bool riichi = m.state.reachTurn != 0;
        sawRiichi = sawRiichi || riichi;
        sawRiichiWin = sawRiichiWin || (riichi && m.caption == "和了");
        sawRiichiExhausted = sawRiichiExhausted || (riichi && m.caption == "流局");
        if (m.caption == "和了") {
            sawWin = true;
            EXPECT_EQ(m.state.Shanten(), -1);
            EXPECT_FALSE(m.text.empty());
        } else {
            ASSERT_EQ(m.caption, "流局");
            EXPECT_EQ(m.state.turn, kMaxTurns + 1);  // 18 discards, and no 19th draw
            const int s = m.state.Shanten();
            if (s == 0) {
                sawTenpai = true;
                EXPECT_EQ(m.text, "テンパイ");
            } else {
                sawNoten = true;
                EXPECT_EQ(m.text, "ノーテン ( " + std::to_string(s) + " 向聴 )");
            }
        }
    }
    EXPECT_TRUE(sawWin);
    EXPECT_TRUE(sawTenpai);
    EXPECT_TRUE(sawNoten);
    EXPECT_TRUE(sawRiichi);
    EXPECT_TRUE(sawRiichiWin);
    EXPECT_TRUE(sawRiichiExhausted);
    // Every ended game was recorded, and each ended game dealt the next one at once.
    EXPECT_EQ(flow.userStats.N, static_cast<int>(view.messages.size()));
    ExpectPlayerToMove(flow.state);
}

// The record of each game against the game itself, in dealt games played with riichi whenever
// it is open: a win and an exhaustion after riichi both need the automatic discards in their
// slots, and the stored records and win count must match the boxes shown.
TEST_F(GameFlowTest, RecordsHoldEveryDiscardOfRiichiGamesThatWinOrRunOut) {
    SeedThreadRandom(424242);
    flow.state.mode = kModeHonitsu;
    flow.assistLimit = kAssistOff;
    flow.NewGame();
    int riichiWins = 0, riichiExhausted = 0, wins = 0;
    for (int move = 0; move < 3000; ++move) PlayGreedyDiscard();
    ASSERT_EQ(flow.userStats.records.size(), view.messages.size());
    for (std::size_t i = 0; i < view.messages.size(); ++i) {
        const Message& m = view.messages[i];
        const KyokuState& s = m.state;
        const bool won = m.caption == "和了";
        wins += won ? 1 : 0;
        if (s.reachTurn != 0) ++(won ? riichiWins : riichiExhausted);
        const GameRecord& stored = flow.userStats.records[i];
        for (const GameRecord& r : {m.record, stored}) {
            for (int t = 0; t < kMaxTurns; ++t)
                ASSERT_EQ(r.discards[t], s.discards[t]) << "game " << i << " slot " << t;
            EXPECT_EQ(r.draws[s.turn - (won ? 1 : 2)], s.lastDraw) << "game " << i;
            EXPECT_GT(s.dora[NextKind(r.doraIndicator)], 0) << "game " << i;
        }
        EXPECT_EQ(stored.reachTurn, s.reachTurn);
        EXPECT_TRUE(stored.IsReplayable()) << "game " << i;
    }
    EXPECT_GT(riichiWins, 0);
    EXPECT_GT(riichiExhausted, 0);
    EXPECT_EQ(flow.userStats.nAgari, wins);
}

TEST_F(GameFlowTest, WithoutResultBoxesGamesStillEndAndRecord) {
    SeedThreadRandom(7);
    flow.showResult = false;
    flow.assistLimit = kAssistOff;
    flow.NewGame();
    for (int i = 0; i < 18 * 3; ++i) flow.DiscardDrawnTile();
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(flow.userStats.N, 3);
    EXPECT_EQ(flow.state.turn, 1);
}

TEST_F(GameFlowTest, SameSeedSameGame) {
    SeedThreadRandom(99);
    flow.NewGame();
    const KyokuState first = flow.state;
    FakeView otherView;
    GameFlow other(otherView);
    SeedThreadRandom(99);
    other.NewGame();
    EXPECT_EQ(first.hand, other.state.hand);
    EXPECT_EQ(flow.record.doraIndicator, other.record.doraIndicator);
}

TEST_F(GameFlowTest, RecordFollowsTheDrawsAndDiscards) {
    SeedThreadRandom(5);
    flow.assistLimit = kAssistOff;
    flow.NewGame();
    EXPECT_EQ(flow.record.draws[0], flow.state.lastDraw);
    EXPECT_EQ(flow.record.doraIndicator, DoraIndicatorKind(flow.state));
    const TileKind drawn = flow.state.lastDraw;
    flow.DiscardDrawnTile();
    EXPECT_EQ(view.moves.back(), kDrawnSlot);
    EXPECT_EQ(flow.record.discards[0], drawn);
    EXPECT_EQ(flow.record.draws[1], flow.state.lastDraw);
    EXPECT_EQ(view.immediateRepaints, 1);  // the 13-tile hand shows before the next draw
}

TEST_F(GameFlowTest, FlaggedDiscardThatLeavesTheHandUnreadyIsRefusedAndNothingMoves) {
    // 8s leaves one step from ready: the flag is refused, by mouse and by key.
    flow.PositionLoaded(Position("123456789m113p89s", "8s", "4444p", 5));
    const KyokuState before = flow.state;
    view.pointer = SlotOf(flow, "8s");
    flow.RightRelease();
    flow.SelectUp();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0].caption, kRiichiCaption);
    EXPECT_EQ(view.messages[1].text, kRiichiNeedsReadyHand);
    EXPECT_EQ(flow.state.turn, before.turn);
    EXPECT_EQ(flow.state.hand, before.hand);

    // The plain discard goes. The wall holds only 4p, so the next draw makes 34p, and 9s with
    // the flag then leaves the hand ready on 2p and 5p.
    flow.LeftRelease();
    EXPECT_EQ(flow.state.reachTurn, 0);
    EXPECT_EQ(flow.state.turn, 6);
    EXPECT_EQ(flow.state.lastDraw, ParseTile("4p"));
    view.pointer = SlotOf(flow, "9s");
    flow.SelectUp();
    ASSERT_EQ(view.messages.size(), 3u);
    const Message& end = view.messages[2];
    // The riichi discard was at turn 6; the three 4p drawn after it went out on their own, and
    // the empty wall then ended the game instead of leaving it waiting for a draw.
    EXPECT_EQ(end.state.reachTurn, 6);
    EXPECT_EQ(end.state.turn, 10);
    EXPECT_EQ(end.state.discards[6], ParseTile("4p"));
    EXPECT_EQ(end.state.discards[8], ParseTile("4p"));
    EXPECT_EQ(end.caption, "流局");
    EXPECT_EQ(end.text, "テンパイ");
    // A loaded game is never recorded; the next game is dealt and recorded as usual.
    EXPECT_EQ(flow.userStats.N, 0);
    EXPECT_FALSE(flow.noRecord);
    ExpectPlayerToMove(flow.state);
}

TEST_F(GameFlowTest, FlaggedDiscardAtTurn18IsAnOrdinaryDiscard) {
    flow.PositionLoaded(Position("123456789m1134p9s", "9s", "7777s", 18));
    view.pointer = SlotOf(flow, "9s");
    flow.RightRelease();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].state.reachTurn, 0);
    EXPECT_EQ(view.messages[0].state.turn, kMaxTurns + 1);
    EXPECT_EQ(view.messages[0].text, "テンパイ");
}

TEST_F(GameFlowTest, RiichiDiscardsEveryDrawUntilTheWin) {
    flow.assistLimit = kAssistMax;
    // Ready on 2p and 5p after 9s; the wall holds two 7s, which go out on their own, and 5p.
    flow.PositionLoaded(Position("123456789m1134p9s", "9s", "77s5p", 3));
    view.pointer = SlotOf(flow, "9s");
    flow.SelectUp();
    ASSERT_GE(view.messages.size(), 1u);
    const Message& win = view.messages[0];
    EXPECT_EQ(win.caption, "和了");
    EXPECT_EQ(win.state.reachTurn, 3);
    EXPECT_EQ(win.state.lastDraw, ParseTile("5p"));
    for (int t = 4; t < win.state.turn; ++t) EXPECT_EQ(win.state.discards[t - 1], ParseTile("7s"));
    EXPECT_EQ(flow.userStats.N, 0);
}

// Paced by the view, each automatic discard after riichi waits for its step; the player can
// discard nothing meanwhile, and finishing plays the rest at once.
TEST_F(GameFlowTest, PacedRiichiDrawsGoOneAStepAndFinishAtOnce) {
    view.pace = true;
    SeedThreadRandom(12);
    // Ready on 2p and 5p after 9s; the four 7s go out on their own until 2p wins, or the wall
    // runs out without it.
    for (const char* wall : {"7777s2p", "7777s"}) {
        flow.PositionLoaded(Position("123456789m1134p9s", "9s", wall, 3));
        view.pointer = SlotOf(flow, "9s");
        view.messages.clear();
        flow.SelectUp();
        for (int turn = 4; turn < 6 && flow.AutomaticPending(); ++turn) {
            ASSERT_EQ(flow.state.turn, turn);
            flow.DiscardDrawnTile();
            flow.AutomaticStep();
        }
        flow.FinishAutomatic();
        ASSERT_EQ(view.messages.size(), 1u) << wall;
        const Message& end = view.messages[0];
        const bool won = end.caption == "和了";
        EXPECT_EQ(won, std::string(wall).size() > 5) << wall;
        EXPECT_EQ(end.end.winningTile, won ? ParseTile("2p") : kNoTile);
        EXPECT_EQ(end.end.uraIndicator, won ? end.state.uraIndicator : kNoTile);
        for (int t = 4; t < end.state.turn; ++t)
            EXPECT_EQ(end.state.discards[t - 1], ParseTile("7s"));
        ExpectPlayerToMove(flow.state);
    }
}

TEST_F(GameFlowTest, AWinOnTheFirstDrawEndsTheGame) {
    // A 13-tile hand ready on 5p with only 5p left: the draw made on loading completes it.
    KyokuState ready = Position("123456789m1134p9s", "9s", "5p", 1);
    ready.RemoveFromHand(ParseTile("9s"), false);
    flow.PositionLoaded(ready);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].caption, "和了");
    EXPECT_EQ(view.messages[0].state.turn, 1);
    ExpectPlayerToMove(flow.state);
}

// A complete hand pasted or loaded wins at once, unrecorded; while editing, when editing ends.
TEST_F(GameFlowTest, ACompleteHandSetUpByThePlayerWinsAtOnce) {
    SeedThreadRandom(41);
    KyokuState text, file;
    ASSERT_TRUE(ParseHandText("123m456p789s11z555z", text).ok);
    ASSERT_TRUE(ParsePosition(FormatPosition(text), file).ok);
    flow.PositionLoaded(text);
    flow.SetEditing(true);
    flow.PositionLoaded(file);
    EXPECT_EQ(view.messages.size(), 1u);
    flow.SetEditing(false);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0].caption + view.messages[1].caption, "和了和了");
    EXPECT_EQ(view.messages[1].state.hand, file.hand);
    EXPECT_EQ(flow.userStats.N, 0);
}

TEST_F(GameFlowTest, OnlyAFourteenTileHandIsDiscardedFrom) {
    // A position of 13 tiles is played on from its draw.
    KyokuState before = Position("123456789m1134p9s", "9s", "7777s", 4);
    before.RemoveFromHand(ParseTile("9s"), false);
    flow.PositionLoaded(before);
    EXPECT_EQ(flow.state.HandTileCount(), kHandSlots);
    EXPECT_EQ(flow.state.lastDraw, ParseTile("7s"));
    EXPECT_EQ(flow.state.turn, 4);

    // A hand that somehow holds 13 tiles while waiting is not made smaller by a click.
    flow.state = before;
    view.pointer = 0;
    flow.LeftRelease();
    EXPECT_EQ(flow.state.hand, before.hand);
    EXPECT_EQ(flow.state.turn, 4);
}

TEST_F(GameFlowTest, AssistIsComputedOnlyWithinItsLimit) {
    // A ready 14-tile hand (shanten 0): only 5s keeps it ready, waiting on 2p and 5p.
    const KyokuState ready = Position("123456789m1134p5s", "5s", "2233445566778p4455667788s", 5);

    flow.assistLimit = kAssistOff;
    flow.PositionLoaded(ready);
    flow.AfterDraw();
    for (int mark : flow.assistMark) EXPECT_EQ(mark, kNoMark);

    flow.assistLimit = 0;
    flow.PositionLoaded(ready);
    flow.AfterDraw();
    EXPECT_GT(flow.assistBest, 0.0);
    EXPECT_EQ(flow.assistMark[ParseTile("5s")], kBestMark);
    EXPECT_EQ(flow.assistMark[ParseTile("2m")], kNoMark);  // breaks a set: no candidate
    EXPECT_GE(view.busyCalls, 1);

    // One step from ready is beyond a limit of 0.
    flow.PositionLoaded(Position("123456789m1139p5s", "5s", "2233445566778p4455667788s", 5));
    flow.AfterDraw();
    for (int mark : flow.assistMark) EXPECT_EQ(mark, kNoMark);
    flow.assistLimit = 1;
    flow.AfterDraw();
    EXPECT_GT(flow.assistBest, 0.0);
}

TEST_F(GameFlowTest, PointerKeysStayOnTheHand) {
    SeedThreadRandom(3);
    flow.NewGame();
    view.pointer = -1;
    flow.SelectLeft();
    EXPECT_EQ(view.pointer, 12);
    view.pointer = -1;
    flow.SelectRight();
    EXPECT_EQ(view.pointer, 13);
    view.pointer = 0;
    flow.SelectLeft();
    EXPECT_EQ(view.pointer, 0);
    flow.SelectRight();
    EXPECT_EQ(view.pointer, 1);
    view.pointer = 13;
    flow.SelectRight();
    EXPECT_EQ(view.pointer, 13);

    // Down and Up away from the hand do nothing; a release away from it neither.
    const KyokuState before = flow.state;
    view.pointer = -1;
    flow.SelectDown();
    flow.SelectUp();
    flow.LeftRelease();
    EXPECT_EQ(flow.state.turn, before.turn);
    EXPECT_EQ(flow.state.hand, before.hand);
}

TEST_F(GameFlowTest, LoneHonourKeyPrefersWhiteToEast) {
    flow.PositionLoaded(Position("123456789m111p15z", "1p", "5555s", 2));
    flow.DiscardLoneHonour();
    EXPECT_EQ(flow.state.discards[1], kWhite);
    EXPECT_EQ(view.moves.back(), 12);  // the White sat in the last sorted slot

    flow.PositionLoaded(Position("123456789m112p33z", "1p", "5555s", 2));
    flow.DiscardLoneHonour();
    EXPECT_EQ(flow.state.turn, 2);
}

TEST_F(GameFlowTest, ModeChangesRestartOnlyWhenTheModeDiffers) {
    SeedThreadRandom(11);
    flow.NewGame();
    const KyokuState before = flow.state;
    flow.SetMode(kModeNormal);
    EXPECT_EQ(flow.state.hand, before.hand);
    flow.SetMode(kModeKokushi);
    EXPECT_EQ(flow.state.mode, kModeKokushi);
    for (TileKind k = 0; k < kKinds; ++k) {
        if (!IsTerminalOrHonour(k)) {
            EXPECT_EQ(flow.state.hand[k], 0);
        }
    }
}

TEST_F(GameFlowTest, EditingClicksStepTilesAndNothingIsDiscardedOrRecorded) {
    SeedThreadRandom(17);
    flow.NewGame();
    flow.SetEditing(true);
    EXPECT_TRUE(flow.noRecord);
    const int turn = flow.state.turn;
    view.pointer = 0;
    const TileKind first = flow.Slots()[0];
    const TileCounts wall = flow.state.wall;
    flow.LeftRelease();
    EXPECT_EQ(flow.state.turn, turn);
    EXPECT_EQ(flow.state.lastDraw, StepToKindInWall(wall, first, 1));
    EXPECT_EQ(view.pointer, kDrawnSlot);
    flow.SetEditing(false);
    EXPECT_EQ(flow.playMode, kPlayMode);
    EXPECT_TRUE(flow.noRecord);
    flow.NewGameKey();
    EXPECT_FALSE(flow.noRecord);
}

TEST_F(GameFlowTest, NothingMovesWhileTheSimulationRuns) {
    SeedThreadRandom(23);
    flow.NewGame();
    const KyokuState before = flow.state;
    flow.simRunning = true;
    view.pointer = 3;
    flow.LeftRelease();
    flow.RightRelease();
    flow.MiddleRelease();
    flow.DiscardDrawnTile();
    flow.NewGameKey();
    flow.SetMode(kModeHonitsu);
    EXPECT_EQ(flow.state.hand, before.hand);
    EXPECT_EQ(flow.state.turn, before.turn);
}

TEST_F(GameFlowTest, EveryRecordedGameIsOnDiskWhenItEndsAndAFailedSaveIsToldOnce) {
    TempDir dir;
    flow.statsDirectory = dir.File("later/");  // not there yet: the saves fail
    flow.userStats.name = "default";
    flow.showResult = false;
    flow.assistLimit = kAssistOff;
    SeedThreadRandom(5);
    flow.NewGame();
    StatSummary onDisk;
    for (int games = 1; games <= 4; ++games) {
        if (games == 3) {
            ASSERT_TRUE(std::filesystem::create_directory(flow.statsDirectory));
        }
        while (flow.userStats.N < games) PlayGreedyDiscard();
        onDisk.Load("default", flow.statsDirectory);
        EXPECT_EQ(onDisk.records.size(), games < 3 ? 0u : std::size_t(games)) << "with the retry";
    }
    ASSERT_EQ(view.messages.size(), 1u) << "told once, not after every game";
    EXPECT_EQ(view.messages[0].caption, "エラー");
    EXPECT_NE(view.messages[0].text.find(flow.statsDirectory), std::string::npos);
}

}  // namespace
}  // namespace mizaro::testing
