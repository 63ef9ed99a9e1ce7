// The rules of the table, applied action by action: whose turn it is, what a seat may do after
// a draw, a discard or a call, and where every tile is. An action the rules do not allow is
// refused with the reason, so a log that breaks them never reaches the positions.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/tile.h"
#include "online/online_game.h"

namespace mizaro {

// The tiles of the live wall after the deal: 136, less 4 x 13 dealt and the 14 of the dead wall.
inline constexpr int kLiveWallAfterDeal = 70;
inline constexpr int kMaxIndicators = 5;

class TableReplay {
  public:
    // Deals the hand; the reason when the deal is impossible, else empty.
    std::string Start(const OnlineHand& hand);
    // Applies one action; the reason it is refused, else empty (and nothing changed).
    std::string Apply(const TableAction& action);

    const TileCounts& Concealed(int seat) const { return concealed_[seat]; }
    // Every tile discarded so far (called ones too) and the tiles melds showed from the hands.
    const TileCounts& Shown() const { return shown_; }
    const std::vector<TileKind>& Indicators() const { return indicators_; }
    int WallLeft() const { return wallLeft_; }
    TileKind LastDrawn(int seat) const { return lastDrawn_[seat]; }

  private:
    enum class Phase { kDraw, kAct, kDiscardOnly, kReplacement };

    std::string Take(TileKind kind);  // a tile leaves the wall
    std::string Draw(const TableAction& a);
    std::string Discard(const TableAction& a);
    std::string Call(const TableAction& a);
    std::string Kan(const TableAction& a);
    std::string Reveal(TileKind kind);

    std::array<TileCounts, kSeats> concealed_{};
    std::array<TileCounts, kSeats> pons_{};
    std::array<int, kSeats> openMelds_{};
    std::array<bool, kSeats> riichi_{};
    std::array<TileKind, kSeats> lastDrawn_{};
    TileCounts taken_{};  // tiles of each kind out of the wall: never more than four
    TileCounts shown_{};
    std::vector<TileKind> indicators_;
    int wallLeft_ = kLiveWallAfterDeal;
    int kans_ = 0;
    int actor_ = 0;
    Phase phase_ = Phase::kDraw;
    TileKind pending_ = kNoTile;  // the last discard while it may still be called
};

// Replays a whole hand: empty when every action is allowed, else the reason, with the index of
// the refused action in `failed` (-1 for the deal).
std::string ReplayHand(const OnlineHand& hand, int& failed);

}  // namespace mizaro
