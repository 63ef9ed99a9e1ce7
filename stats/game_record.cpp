#include "stats/game_record.h"

#include <cassert>

namespace mizaro {

namespace {

constexpr char kNoValueChar = '-';
constexpr char kUnknownChar = '*';
constexpr int kLetters = 26;
constexpr int kLastCoded = 36;  // 26..36 are '0'..'9' and ':'
constexpr int kDigitOffset = 22;

char EncodeValue(int v) {
    if (v == -1) return kNoValueChar;
    if (v >= 0 && v < kLetters) return static_cast<char>('A' + v);
    if (v >= kLetters && v <= kLastCoded) return static_cast<char>(v + kDigitOffset);
    return kUnknownChar;
}

int DecodeChar(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= '0' && c <= '9') return c - kDigitOffset;
    return -1;
}

// The 53 values in their order on disk.
template <typename Visit>
void ForEachValue(GameRecord& r, Visit visit) {
    for (int& v : r.dealt) visit(v);
    for (int& v : r.draws) visit(v);
    for (int& v : r.discards) visit(v);
    visit(r.doraIndicator);
    visit(r.uraIndicator);
    visit(r.reachTurn);
    visit(r.mode);
}

}  // namespace

void GameRecord::Reset() {
    dealt.fill(kNoTile);
    draws.fill(kNoTile);
    discards.fill(kNoTile);
    doraIndicator = uraIndicator = kNoTile;
    reachTurn = -1;
    textLength_ = 0;
}

void GameRecord::FromDeal(const KyokuState& state) {
    Reset();
    int n = 0;
    for (TileKind k = 0; k < kKinds; ++k)
        for (int c = 0; c < state.hand[k] && n < kDealtTiles; ++c) dealt[n++] = k;
    mode = state.mode;
}

void GameRecord::Encode() {
    if (textLength_ != 0) return;
    int n = 0;
    ForEachValue(*this, [&](int& v) { text_[n++] = EncodeValue(v); });
    assert(n == kRecordTextLength);
    textLength_ = n;
}

void GameRecord::Decode() {
    if (textLength_ == 0) return;
    int n = 0;
    ForEachValue(*this, [&](int& v) {
        v = n < textLength_ ? DecodeChar(text_[n]) : -1;
        ++n;
    });
}

bool GameRecord::SetText(std::string_view text) {
    if (text.size() > text_.size()) return false;
    text.copy(text_.data(), text.size());
    textLength_ = static_cast<int>(text.size());
    return true;
}

bool GameRecord::IsReplayable() const {
    if (mode < kModeNormal || mode > kModeKokushi) return false;
    if (reachTurn < 0 || reachTurn > kMaxTurns) return false;
    if (uraIndicator != kNoTile && !IsValidKind(uraIndicator)) return false;
    TileCounts wall;
    wall.fill(4);
    TileCounts hand{};
    auto take = [&](int k) { return IsValidKind(k) && wall[k]-- > 0; };
    for (int k : dealt) {
        if (!take(k)) return false;
        ++hand[k];
    }
    if (!take(doraIndicator)) return false;
    int lastDrawn = 0;
    while (lastDrawn < kMaxTurns && draws[lastDrawn] != kNoTile) ++lastDrawn;
    for (int t = lastDrawn; t < kMaxTurns; ++t)
        if (draws[t] != kNoTile || discards[t] != kNoTile) return false;
    for (int t = 0; t < lastDrawn; ++t) {
        if (!take(draws[t])) return false;
        ++hand[draws[t]];
        int d = discards[t];
        // A won game ends with a draw and no discard, and only on its last drawn turn.
        if (d == kNoTile && t == lastDrawn - 1) break;
        if (!IsValidKind(d) || hand[d] < 1) return false;
        --hand[d];
    }
    // The ura-dora indicator of a win is turned over from what is left of the wall.
    return uraIndicator == kNoTile || wall[uraIndicator] > 0;
}

}  // namespace mizaro
