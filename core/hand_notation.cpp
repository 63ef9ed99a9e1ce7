#include "core/hand_notation.h"

namespace mizaro {

namespace {

constexpr char kSuitLetters[] = {'m', 'p', 's', 'z'};

int SuitIndex(char c) {
    for (int i = 0; i < 4; ++i)
        if (kSuitLetters[i] == c) return i;
    return -1;
}

}  // namespace

ParsedTiles ParseTiles(std::string_view text) {
    ParsedTiles out;
    std::vector<int> pending;  // digits still waiting for their suit letter
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (c == '0') {
                out.error = "digit 0 is not a tile";
                return out;
            }
            pending.push_back(c - '0');
            continue;
        }
        int suit = SuitIndex(c);
        if (suit < 0) {
            out.error = std::string("unknown character '") + c + "'";
            return out;
        }
        if (pending.empty()) {
            out.error = std::string("suit letter '") + c + "' has no digits";
            return out;
        }
        for (int d : pending) {
            if (suit == 3 && d > 7) {
                out.error = std::to_string(d) + "z is not a tile (honours are 1z..7z)";
                return out;
            }
            TileKind k = suit * 9 + d - 1;
            if (++out.counts[k] > 4) {
                out.error = "more than 4 of " + FormatTile(k);
                return out;
            }
            out.tiles.push_back(k);
        }
        pending.clear();
    }
    if (!pending.empty()) out.error = "digits with no suit letter at the end";
    return out;
}

TileKind ParseTile(std::string_view text, std::string* error) {
    ParsedTiles parsed = ParseTiles(text);
    if (parsed.ok() && parsed.tiles.size() != 1) parsed.error = "expected exactly one tile";
    if (!parsed.ok()) {
        if (error) *error = parsed.error;
        return kNoTile;
    }
    return parsed.tiles[0];
}

std::string FormatHand(const TileCounts& counts) {
    std::string out;
    for (int suit = 0; suit < 4; ++suit) {
        int size = suit == 3 ? 7 : 9;
        bool any = false;
        for (int n = 0; n < size; ++n) {
            for (int i = 0; i < counts[suit * 9 + n]; ++i) out += static_cast<char>('1' + n);
            any |= counts[suit * 9 + n] > 0;
        }
        if (any) out += kSuitLetters[suit];
    }
    return out;
}

std::string FormatTile(TileKind k) {
    if (!IsValidKind(k)) return "-";
    return std::string{static_cast<char>('1' + k % 9), kSuitLetters[k / 9]};
}

}  // namespace mizaro
