// Hand notation, the form people paste everywhere: "123m456p789s1122z".
//
// Digits are gathered until a suit letter names their suit: m characters, p circles, s bamboo,
// z honours 1..7 (East South West North White Green Red).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/tile.h"

namespace mizaro {

// kStrict is the notation of mizaro-cli. kWritten also reads a hand as players write it:
// blanks between the groups ("123m 456p"), upper-case suit letters ("123M") and 0 for a red
// five, read as a five ("406m" is 4m5m6m).
enum class Notation { kStrict, kWritten };

// What was wrong, for callers that word the refusal themselves.
enum class NotationFault {
    kNone,
    kUnknownCharacter,   // at `position`; a 0 in the strict notation too
    kNoSuchHonour,       // the digit at `position` before z is 0, 8 or 9
    kSuitWithoutDigits,  // the suit letter at `position` follows no digit
    kDigitsAtEnd,        // the digits from `position` on have no suit letter
    kFifthCopy,          // a fifth `kind`
};

struct ParsedTiles {
    std::vector<TileKind> tiles;  // in written order
    TileCounts counts{};
    std::string error;  // empty when the text is sound
    NotationFault fault = NotationFault::kNone;
    std::size_t position = 0;  // byte offset into the text
    TileKind kind = kNoTile;
    bool ok() const { return error.empty(); }
};

// Refuses unknown letters, a digit 0 (strict), a honour above 7z, digits with no suit letter
// and more than four of a kind, each with a reason.
ParsedTiles ParseTiles(std::string_view text, Notation notation = Notation::kStrict);

// One tile such as "5p"; -1 (with a reason) for anything else.
TileKind ParseTile(std::string_view text, std::string* error = nullptr);

// Kind order, one letter per suit present: {1,1,2 characters, East} gives "112m1z".
std::string FormatHand(const TileCounts& counts);
std::string FormatTile(TileKind k);

}  // namespace mizaro
