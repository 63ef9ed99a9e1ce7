#include "online/json_turn_order.h"

#include <cstdint>
#include <unordered_set>

namespace mizaro {

namespace {

// Hostile lists could make the search wander; a real hand needs a few hundred steps.
constexpr long kMaxSteps = 100'000;

ActionType CallType(SeatTake::Kind kind) {
    return kind == SeatTake::Kind::kChi   ? ActionType::kChi
           : kind == SeatTake::Kind::kPon ? ActionType::kPon
                                          : ActionType::kOpenKan;
}

ActionType GiveType(SeatGive::Kind kind) {
    return kind == SeatGive::Kind::kClosedKan  ? ActionType::kClosedKan
           : kind == SeatGive::Kind::kAddedKan ? ActionType::kAddedKan
                                               : ActionType::kDiscard;
}

class Orderer {
  public:
    explicit Orderer(const std::array<SeatLog, kSeats>& seats) : seats_(seats) {}

    std::string Run(int dealer, std::vector<TableAction>& actions) {
        if (Take(dealer)) {
            actions = std::move(order_);
            return {};
        }
        if (steps_ > kMaxSteps) return "the order of play takes too long to work out";
        return "no order of play fits the calls and discards (the furthest reading stops at seat " +
               std::to_string(stuckSeat_) + ", draw entry " + std::to_string(stuckEntry_ + 1) + ")";
    }

  private:
    bool AllDone() const {
        for (int s = 0; s < kSeats; ++s)
            if (taken_[s] < seats_[s].takes.size() || given_[s] < seats_[s].gives.size())
                return false;
        return true;
    }

    bool Fail(int seat) {
        int done = 0;
        for (int s = 0; s < kSeats; ++s) done += static_cast<int>(taken_[s] + given_[s]);
        if (done > furthest_) {
            furthest_ = done;
            stuckSeat_ = seat;
            stuckEntry_ = static_cast<int>(taken_[seat]);
        }
        return false;
    }

    void Push(ActionType type, int seat, TileKind tile, int source) {
        TableAction a;
        a.type = type;
        a.seat = seat;
        a.tile = tile;
        a.source = source;
        order_.push_back(a);
    }

    // `seat` draws from the wall, then gives.
    bool Take(int seat) {
        if (AllDone()) return true;
        if (++steps_ > kMaxSteps) return false;
        const std::vector<SeatTake>& takes = seats_[seat].takes;
        if (taken_[seat] >= takes.size() || takes[taken_[seat]].kind != SeatTake::Kind::kWall)
            return Fail(seat);
        Push(ActionType::kDraw, seat, takes[taken_[seat]].tile, static_cast<int>(taken_[seat]));
        ++taken_[seat];
        if (Give(seat)) return true;
        --taken_[seat];
        order_.pop_back();
        return false;
    }

    // `seat` gives its next entry, after a draw or a call.
    bool Give(int seat) {
        if (AllDone()) return true;
        const std::vector<SeatGive>& gives = seats_[seat].gives;
        if (given_[seat] >= gives.size()) return Fail(seat);
        const SeatGive& g = gives[given_[seat]];
        const std::size_t before = order_.size();
        if (g.kind != SeatGive::Kind::kNothing) {
            Push(GiveType(g.kind), seat, g.tile, static_cast<int>(given_[seat]));
            order_.back().riichi = g.riichi;
        }
        ++given_[seat];
        const bool fits = g.kind == SeatGive::Kind::kDiscard ? AfterDiscard(seat, g.tile)
                                                             : Take(seat);  // the replacement
        if (fits) return true;
        --given_[seat];
        order_.resize(before);
        return false;
    }

    // Someone calls the discard of `seat`, or nobody does and the next seat draws.
    bool AfterDiscard(int seat, TileKind tile) {
        if (AllDone()) return true;
        std::uint32_t key = static_cast<std::uint32_t>(seat);
        for (int s = 0; s < kSeats; ++s) key = key * 128 + static_cast<std::uint32_t>(given_[s]);
        if (failed_.count(key)) return false;
        for (int step = 1; step < kSeats; ++step) {
            const int caller = (seat + step) % kSeats;
            const std::vector<SeatTake>& takes = seats_[caller].takes;
            if (taken_[caller] >= takes.size()) continue;
            const SeatTake& t = takes[taken_[caller]];
            if (t.kind == SeatTake::Kind::kWall || t.tile != tile ||
                (caller + t.fromOffset) % kSeats != seat)
                continue;
            Push(CallType(t.kind), caller, tile, static_cast<int>(taken_[caller]));
            order_.back().from = seat;
            order_.back().chiTiles = t.chiTiles;
            ++taken_[caller];
            if (Give(caller)) return true;
            --taken_[caller];
            order_.pop_back();
        }
        if (Take((seat + 1) % kSeats)) return true;
        if (steps_ <= kMaxSteps) failed_.insert(key);
        return false;
    }

    const std::array<SeatLog, kSeats>& seats_;
    std::array<std::size_t, kSeats> taken_{};
    std::array<std::size_t, kSeats> given_{};
    std::vector<TableAction> order_;
    std::unordered_set<std::uint32_t> failed_;  // discard points no reading gets past
    long steps_ = 0;
    int furthest_ = -1;
    int stuckSeat_ = 0;
    int stuckEntry_ = 0;
};

}  // namespace

std::string OrderSeatLogs(const std::array<SeatLog, kSeats>& seats, int dealer,
                          std::vector<TableAction>& actions) {
    for (const SeatLog& s : seats)
        if (s.takes.size() > kMaxSeatEntries || s.gives.size() > kMaxSeatEntries)
            return "a seat lists more than " + std::to_string(kMaxSeatEntries) + " entries";
    return Orderer(seats).Run(dealer, actions);
}

}  // namespace mizaro
