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

struct ParsedTiles {
    std::vector<TileKind> tiles;  // in written order
    TileCounts counts{};
    std::string error;  // empty when the text is sound
    bool ok() const { return error.empty(); }
};

// Refuses unknown letters, a digit 0, a honour above 7z, digits with no suit letter and more
// than four of a kind, each with a reason.
ParsedTiles ParseTiles(std::string_view text);

// One tile such as "5p"; -1 (with a reason) for anything else.
TileKind ParseTile(std::string_view text, std::string* error = nullptr);

// Kind order, one letter per suit present: {1,1,2 characters, East} gives "112m1z".
std::string FormatHand(const TileCounts& counts);
std::string FormatTile(TileKind k);

}  // namespace mizaro
