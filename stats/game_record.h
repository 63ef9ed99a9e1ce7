// GameRecord: one finished game, with enough to replay it: the dealt tiles, every draw and
// discard, the indicators, the riichi turn and the mode. On disk a record is one 53-character
// token of the game log, one character per value.
#pragma once

#include <array>
#include <string_view>

#include "core/kyoku_state.h"

namespace mizaro {

inline constexpr int kDealtTiles = 13;
inline constexpr int kRecordTextLength = 53;

struct GameRecord {
    std::array<int, kDealtTiles> dealt{};  // ascending kinds of the dealt tiles
    std::array<int, kMaxTurns> draws{};    // slot t-1: the kind drawn at turn t, or -1
    std::array<int, kMaxTurns> discards{};
    int doraIndicator = kNoTile;
    int uraIndicator = kNoTile;  // only for a won game that drew one
    int reachTurn = -1;
    int mode = kModeNormal;

    GameRecord() { Reset(); }

    // Every kind and the riichi turn to -1 and the text emptied; `mode` stays.
    void Reset();
    // Starts the record of a game just dealt.
    void FromDeal(const KyokuState& state);
    // Fills the text from the fields, unless it is already there.
    void Encode();
    // Fills the fields from the text, unless it is empty. Characters past the end of a short
    // text and characters outside the alphabet read as -1.
    void Decode();

    std::string_view Text() const { return {text_.data(), static_cast<std::size_t>(textLength_)}; }
    // False (and no change) for a text longer than a record.
    bool SetText(std::string_view text);

    // Whether a replay of the decoded fields stays within the game: 13 dealt kinds and an
    // indicator that fit in the wall, then turns that each draw a tile still in the wall and,
    // except on the last drawn turn (the win), discard a tile in the hand; nothing after the
    // first turn without a draw; an ura-dora indicator still in the wall; a riichi turn and a
    // mode in range. A replay that trusts an unsound record would index its tables with -1.
    bool IsReplayable() const;

  private:
    std::array<char, kRecordTextLength> text_{};
    int textLength_ = 0;
};

}  // namespace mizaro
