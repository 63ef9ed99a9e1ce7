#include "online/table_replay.h"

#include <algorithm>

#include "core/hand_notation.h"

namespace mizaro {

namespace {

std::string Named(const char* what, TileKind kind) {
    return std::string(what) + " " + FormatTile(kind);
}

bool IsRun(TileKind a, TileKind b, TileKind c) {
    std::array<TileKind, 3> k{a, b, c};
    std::sort(k.begin(), k.end());
    return IsSuited(k[0]) && IsSuited(k[2]) && SuitOf(k[0]) == SuitOf(k[2]) && k[1] == k[0] + 1 &&
           k[2] == k[1] + 1;
}

}  // namespace

std::string TableReplay::Start(const OnlineHand& hand) {
    *this = TableReplay();
    if (hand.dealer < 0 || hand.dealer >= kSeats) return "the dealer is not a seat 0..3";
    for (int s = 0; s < kSeats; ++s)
        for (TileKind k : hand.dealt[s]) {
            if (!IsValidKind(k)) return "a dealt tile is not a tile";
            if (std::string e = Take(k); !e.empty()) return e;
            ++concealed_[s][k];
        }
    lastDrawn_.fill(kNoTile);
    actor_ = hand.dealer;
    return Reveal(hand.firstIndicator);
}

std::string TableReplay::Take(TileKind kind) {
    if (++taken_[kind] > 4) {
        --taken_[kind];
        return Named("a fifth", kind);
    }
    return {};
}

std::string TableReplay::Reveal(TileKind kind) {
    if (!IsValidKind(kind)) return "the dora indicator is not a tile";
    if (static_cast<int>(indicators_.size()) >= std::min(1 + kans_, kMaxIndicators))
        return "a dora indicator no kan turned over";
    if (std::string e = Take(kind); !e.empty()) return e;
    indicators_.push_back(kind);
    return {};
}

std::string TableReplay::Apply(const TableAction& a) {
    if (a.type == ActionType::kDora) return Reveal(a.tile);
    if (a.seat < 0 || a.seat >= kSeats) return "the seat is not 0..3";
    if (!IsValidKind(a.tile)) return "the tile is not a tile";
    switch (a.type) {
        case ActionType::kDraw:
            return Draw(a);
        case ActionType::kDiscard:
            return Discard(a);
        case ActionType::kChi:
        case ActionType::kPon:
        case ActionType::kOpenKan:
            return Call(a);
        case ActionType::kClosedKan:
        case ActionType::kAddedKan:
            return Kan(a);
        case ActionType::kDora:
            break;
    }
    return "an unknown action";
}

std::string TableReplay::Draw(const TableAction& a) {
    if ((phase_ != Phase::kDraw && phase_ != Phase::kReplacement) || a.seat != actor_)
        return "a draw out of turn";
    if (wallLeft_ == 0) return "a draw from an empty wall";
    if (std::string e = Take(a.tile); !e.empty()) return e;
    --wallLeft_;
    ++concealed_[a.seat][a.tile];
    lastDrawn_[a.seat] = a.tile;
    phase_ = Phase::kAct;
    pending_ = kNoTile;
    return {};
}

std::string TableReplay::Discard(const TableAction& a) {
    if ((phase_ != Phase::kAct && phase_ != Phase::kDiscardOnly) || a.seat != actor_)
        return "a discard out of turn";
    if (concealed_[a.seat][a.tile] == 0)
        return Named("a discard of a tile not in the hand:", a.tile);
    if (a.riichi && (riichi_[a.seat] || openMelds_[a.seat] > 0))
        return riichi_[a.seat] ? "a second riichi" : "riichi with an open meld";
    riichi_[a.seat] = riichi_[a.seat] || a.riichi;
    --concealed_[a.seat][a.tile];
    ++shown_[a.tile];
    pending_ = a.tile;
    actor_ = (a.seat + 1) % kSeats;
    phase_ = Phase::kDraw;
    return {};
}

std::string TableReplay::Call(const TableAction& a) {
    const int discarder = (actor_ + kSeats - 1) % kSeats;
    if (phase_ != Phase::kDraw || pending_ == kNoTile) return "a call with no discard to take";
    if (a.from != discarder || a.seat == discarder)
        return "a call from a seat that did not discard";
    if (a.tile != pending_) return Named("a call of a tile that was not discarded:", a.tile);
    std::array<TileKind, 3> fromHand{a.tile, a.tile, a.tile};
    int count = a.type == ActionType::kOpenKan ? 3 : 2;
    if (a.type == ActionType::kChi) {
        if (a.seat != actor_) return "a chi by a seat other than the next";
        if (!IsValidKind(a.chiTiles[0]) || !IsValidKind(a.chiTiles[1]) ||
            !IsRun(a.tile, a.chiTiles[0], a.chiTiles[1]))
            return "a chi that is not a run";
        fromHand = {a.chiTiles[0], a.chiTiles[1], kNoTile};
    }
    TileCounts need{};
    for (int i = 0; i < count; ++i) ++need[fromHand[i]];
    for (TileKind k = 0; k < kKinds; ++k)
        if (need[k] > concealed_[a.seat][k]) return Named("a call without", k);
    for (TileKind k = 0; k < kKinds; ++k) {
        concealed_[a.seat][k] -= need[k];
        shown_[k] += need[k];
    }
    ++openMelds_[a.seat];
    if (a.type == ActionType::kPon) ++pons_[a.seat][a.tile];
    if (a.type == ActionType::kOpenKan) ++kans_;
    actor_ = a.seat;
    pending_ = kNoTile;
    phase_ = a.type == ActionType::kOpenKan ? Phase::kReplacement : Phase::kDiscardOnly;
    return {};
}

std::string TableReplay::Kan(const TableAction& a) {
    if (phase_ != Phase::kAct || a.seat != actor_) return "a kan out of turn";
    const bool added = a.type == ActionType::kAddedKan;
    if (added ? pons_[a.seat][a.tile] == 0 || concealed_[a.seat][a.tile] == 0
              : concealed_[a.seat][a.tile] < 4)
        return Named(
            added ? "an added kan without the pon and the tile of" : "a closed kan without four",
            a.tile);
    const int tiles = added ? 1 : 4;
    concealed_[a.seat][a.tile] -= tiles;
    shown_[a.tile] += tiles;
    if (added) --pons_[a.seat][a.tile];
    ++kans_;
    phase_ = Phase::kReplacement;
    return {};
}

std::string ReplayHand(const OnlineHand& hand, int& failed) {
    TableReplay replay;
    failed = -1;
    if (std::string e = replay.Start(hand); !e.empty()) return e;
    for (std::size_t i = 0; i < hand.actions.size(); ++i)
        if (std::string e = replay.Apply(hand.actions[i]); !e.empty()) {
            failed = static_cast<int>(i);
            return e;
        }
    return {};
}

}  // namespace mizaro
