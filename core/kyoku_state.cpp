#include "core/kyoku_state.h"

#include <cstdio>

#include "core/random.h"
#include "core/shanten.h"

namespace mizaro {

void KyokuState::Reset() {
    roundWind = seatWind = kEast;
    dealer = true;
    poolBeforeFirstDraw = kSoloPoolBeforeFirstDraw;
    turn = 1;
    reachTurn = 0;
    lastDraw = lastDiscard = 0;
    result.points = 0;
    uraIndicator = kNoTile;
    uraIndicatorsAtWin = 1;
    discards.fill(kNoTile);
    shantenAfter.fill(0);
    wall.fill(4);
    hand.fill(0);
    dora.fill(0);
    for (TileKind k = 0; k < kKinds; ++k) {
        bool keep = true;
        switch (mode) {
            case kModeChinitsu:
                keep = k <= 8;
                break;
            case kModeHonitsu:
                keep = k <= 8 || IsHonour(k);
                break;
            case kModeKokushi:
                keep = IsTerminalOrHonour(k);
                break;
            default:
                break;
        }
        if (!keep) wall[k] = 0;
    }
}

void KyokuState::Deal() {
    for (int i = 0; i < 13; ++i) Draw();
    shantenAfter[0] = Shanten();
}

TileKind KyokuState::PickWallKind() const {
    int total = WallTileCount();
    if (total <= 0) return kNoTile;
    int r = RandomBelow(total);
    for (TileKind k = 0; k < kKinds; ++k) {
        if (wall[k] <= 0) continue;
        if (r < wall[k]) return k;
        r -= wall[k];
    }
    return kNoTile;
}

TileKind KyokuState::Draw() {
    TileKind k = PickWallKind();
    if (k == kNoTile) return kNoTile;
    --wall[k];
    ++hand[k];
    lastDraw = k;
    return k;
}

bool KyokuState::DrawKind(TileKind k) {
    if (!IsValidKind(k) || wall[k] < 1) return false;
    --wall[k];
    ++hand[k];
    lastDraw = k;
    return true;
}

bool KyokuState::RemoveFromHand(TileKind k, bool returnToWall) {
    if (!IsValidKind(k) || hand[k] < 1) return false;
    if (returnToWall) ++wall[k];
    --hand[k];
    lastDiscard = k;
    return true;
}

bool KyokuState::Discard(TileKind k, bool riichiWanted) {
    // Past the eighteenth discard there is no slot left to write.
    if (!IsValidKind(k) || hand[k] < 1 || turn < 1 || turn > kMaxTurns) return false;
    discards[turn - 1] = k;
    ++turn;
    --hand[k];
    lastDiscard = k;
    int s = Shanten();
    shantenAfter[turn - 2] = s;
    if (reachTurn == 0 && riichiWanted && s == 0 && turn < 19) reachTurn = turn - 1;
    return true;
}

void KyokuState::TakeBackDiscard() {
    if (turn <= 1 || turn > kMaxTurns + 1) return;
    --turn;
    TileKind k = discards[turn - 1];
    if (IsValidKind(k)) ++wall[k];
    discards[turn - 1] = kNoTile;
}

TileKind KyokuState::DrawDoraIndicator() {
    TileKind k = PickWallKind();
    if (k != kNoTile) AddDoraIndicator(k);
    return k;
}

void KyokuState::AddDoraIndicator(TileKind k) {
    if (!IsValidKind(k)) return;
    --wall[k];
    ++dora[NextKind(k)];
}

void KyokuState::RemoveDoraIndicator(TileKind k) {
    if (!IsValidKind(k) || dora[NextKind(k)] <= 0) return;
    --dora[NextKind(k)];
    ++wall[k];
}

int KyokuState::DoraCount() const {
    int d = 0;
    for (TileKind k = 0; k < kKinds; ++k) d += hand[k] * dora[k];
    return d;
}

int KyokuState::Shanten() const {
    return mizaro::Shanten(hand);
}

int KyokuState::HandTileCount() const {
    int n = 0;
    for (int c : hand) n += c;
    return n;
}

int KyokuState::WallTileCount() const {
    int n = 0;
    for (int c : wall) n += c > 0 ? c : 0;
    return n;
}

void KyokuState::DiffMove(const KyokuState& before) {
    lastDraw = lastDiscard = 0;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (hand[k] == before.hand[k]) continue;
        if (hand[k] < before.hand[k])
            lastDiscard = k;
        else
            lastDraw = k;
    }
}

TileKind KyokuState::LoneHonour() const {
    // A lone East is worth keeping longest: it is a value tile for the dealer.
    static constexpr TileKind kOrder[] = {kSouth, kWest, kNorth, kWhite, kGreen, kRed, kEast};
    for (TileKind k : kOrder)
        if (hand[k] == 1 && dora[k] == 0) return k;
    return kNoTile;
}

int KyokuState::HandSlot(TileKind k) const {
    if (!IsValidKind(k)) return -1;
    if (k == lastDraw) return 13;
    int slot = 0;
    for (TileKind j = 0; j < k; ++j) slot += hand[j] - (j == lastDraw ? 1 : 0);
    return slot;
}

std::string KyokuState::HandDigits() const {
    std::string s(kKinds, '0');
    for (TileKind k = 0; k < kKinds; ++k) s[k] = static_cast<char>('0' + hand[k]);
    return s;
}

std::string KyokuState::PositionKey(bool withDraw, int letter) const {
    std::string key(1, static_cast<char>('A' + letter));
    key += HandDigits();
    if (withDraw) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%02d", lastDraw);
        key += buf;
    }
    return key;
}

}  // namespace mizaro
