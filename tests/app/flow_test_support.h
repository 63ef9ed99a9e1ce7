// A stand-in window for driving the game flow, and positions written in hand notation.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_flow.h"
#include "core/hand_notation.h"

namespace mizaro::testing {

struct Message {
    std::string caption;
    std::string text;
    KyokuState state;    // the game as it stood when the message showed
    KyokuState painted;  // the game as the window last painted it before the message
    GameRecord record;   // and its record
    GameEnd end;         // what a result box is given beyond its caption and text
};

class FakeView : public GameView {
  public:
    void RequestRepaint(bool now) override {
        now ? ++immediateRepaints : ++repaints;
        if (flow != nullptr) painted = flow->state;
    }
    void ShowMessage(const std::string& caption, const std::string& text) override {
        messages.push_back({caption, text, flow != nullptr ? flow->state : KyokuState{}, painted,
                            flow != nullptr ? flow->record : GameRecord{}, GameEnd{}});
    }
    void ShowGameEnd(const GameEnd& end) override {
        ShowMessage(end.caption, end.text);
        messages.back().end = end;
    }
    bool ScheduleAutomaticStep() override { return pace; }
    int PointerSlot() const override { return pointer; }
    void MovePointerToSlot(int slot) override {
        pointer = slot;
        moves.push_back(slot);
    }
    void SetBusy(bool busy) override { busy ? ++busyCalls : 0; }

    const GameFlow* flow = nullptr;
    bool pace = false;  // the automatic discards after riichi wait for the test's steps
    int pointer = -1;
    int repaints = 0;
    int immediateRepaints = 0;
    int busyCalls = 0;
    std::vector<int> moves;
    std::vector<Message> messages;
    KyokuState painted;
};

// The board behind a message box is the position the message speaks of: the hand, the drawn
// tile, the discards and the riichi as they stood, not a step earlier.
inline void ExpectPaintedAsItStands(const Message& m) {
    EXPECT_EQ(m.painted.turn, m.state.turn) << m.caption;
    EXPECT_EQ(m.painted.hand, m.state.hand) << m.caption;
    EXPECT_EQ(m.painted.lastDraw, m.state.lastDraw) << m.caption;
    EXPECT_EQ(m.painted.discards, m.state.discards) << m.caption;
    EXPECT_EQ(m.painted.reachTurn, m.state.reachTurn) << m.caption;
}

inline TileCounts Counts(const std::string& notation) {
    ParsedTiles parsed = ParseTiles(notation);
    EXPECT_TRUE(parsed.ok()) << notation << ": " << parsed.error;
    return parsed.counts;
}

// A player-to-move position: the 14-tile hand with `drawn` among it, the wall as given, a dora
// indicator of 1p, at `turn` with turn - 1 discards of 9m already made.
inline KyokuState Position(const std::string& hand, const std::string& drawn,
                           const std::string& wall, int turn) {
    KyokuState state;
    state.hand = Counts(hand);
    state.wall = Counts(wall);
    state.dora.fill(0);
    state.dora[NextKind(9)] = 1;
    state.lastDraw = ParseTile(drawn);
    state.turn = turn;
    for (int t = 1; t < turn; ++t) state.discards[t - 1] = 8;
    return state;
}

// The hand slot showing a kind, -1 when none does.
inline int SlotOf(const GameFlow& flow, const std::string& tile) {
    const TileKind k = ParseTile(tile);
    const SlotKinds slots = flow.Slots();
    for (int i = 0; i < kHandSlots; ++i) {
        if (slots[i] == k) return i;
    }
    return -1;
}

// The player-to-move invariants of a game dealt and played by the flow.
inline void ExpectPlayerToMove(const KyokuState& s) {
    EXPECT_EQ(s.HandTileCount(), 14);
    EXPECT_GE(s.turn, 1);
    EXPECT_LE(s.turn, kMaxTurns);
    EXPECT_GT(s.hand[s.lastDraw], 0);
    for (int t = 0; t < kMaxTurns; ++t) EXPECT_EQ(s.discards[t] != kNoTile, t < s.turn - 1);
}

}  // namespace mizaro::testing
