// KyokuState: the complete state of one solo game as a flat value type; a position taken from
// a four-player game fills the same state, with its own winds, seat and pool.
//
// The wall is a count of unseen tiles per kind, not a sequence: every draw is a fresh uniform
// pick among them. The analysis copies the state at every node, so it holds no pointers and
// no heap storage and is copied by plain assignment.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <type_traits>

#include "core/agari_result.h"
#include "core/language.h"
#include "core/tile.h"

namespace mizaro {

enum GameMode : int { kModeNormal = 0, kModeChinitsu = 1, kModeHonitsu = 2, kModeKokushi = 3 };

inline constexpr int kMaxTurns = 18;  // discards per game; draws are allowed while turn < 19
// The solo game's unseen tiles before its first draw: 136 less 13 dealt and one indicator.
inline constexpr int kSoloPoolBeforeFirstDraw = 123;

struct KyokuState {
    int turn = 1;       // 1 + the number of discards made
    int reachTurn = 0;  // the turn of the riichi discard; 0 none; the analysis assumes 100
    int mode = kModeNormal;
    TileKind roundWind = kEast;
    TileKind seatWind = kEast;
    bool dealer = true;  // scores the self-drawn win as the dealer; false for another seat
    // The tiles unseen by the player at draw k are poolBeforeFirstDraw - k: a position taken
    // from another game, after turn t with U unseen tiles, has U + t + 1.
    int poolBeforeFirstDraw = kSoloPoolBeforeFirstDraw;
    TileKind lastDraw = 0;
    TileKind lastDiscard = 0;
    TileCounts wall{};
    TileCounts hand{};
    TileCounts dora{};
    TileKind uraIndicator = kNoTile;
    // The ura-dora indicators a riichi win turns over, as the analysis expects them: one in
    // the solo game, whatever indicators a loaded position shows; one per dora indicator in a
    // position from a four-player game.
    int uraIndicatorsAtWin = 1;
    std::array<int, kMaxTurns> discards{};      // slot t-1: the kind discarded at turn t, or -1
    std::array<int, kMaxTurns> shantenAfter{};  // slot t-1: shanten after that discard
    int simLevel = 0;                           // the computer's search level 1..3; 0 = shallow
    AgariResult result;

    KyokuState() { Reset(); }

    void Reset();
    void Deal();

    // A uniform pick among the unseen tiles; -1 when the wall is empty. Changes nothing.
    TileKind PickWallKind() const;
    TileKind Draw();  // -1 (and no change) on an empty wall
    bool DrawKind(TileKind k);
    bool RemoveFromHand(TileKind k, bool returnToWall);
    bool Discard(TileKind k, bool riichiWanted);
    void TakeBackDiscard();

    TileKind DrawDoraIndicator();  // -1 (and no change) on an empty wall
    void AddDoraIndicator(TileKind k);
    void RemoveDoraIndicator(TileKind k);
    int DoraCount() const;

    int Shanten() const;

    // Scores a complete 14-tile hand: the best reading goes into `result` and its points (or
    // the points expected over the ura-dora still to come) are returned; 0 when incomplete.
    int EvaluateWin(bool expectUra, bool forceIppatsu);
    int ExpectedWithUra(const AgariResult& reading) const;
    std::string ScoreText(Language language = Language::kJapanese);
    int HandTileCount() const;
    int WallTileCount() const;

    void DiffMove(const KyokuState& before);
    TileKind LoneHonour() const;
    int HandSlot(TileKind k) const;
    std::string HandDigits() const;
    std::string PositionKey(bool withDraw, int letter) const;
};

// The pool an analysis divides by: a position claiming fewer never leaves a draw without an
// unseen tile to divide by.
inline int AnalysisPool(const KyokuState& s) {
    return std::max(s.poolBeforeFirstDraw, kMaxTurns + 1);
}

static_assert(std::is_trivially_copyable_v<KyokuState>, "the analysis copies states by value");

}  // namespace mizaro
