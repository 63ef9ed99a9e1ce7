#include "core/hand_notation.h"

#include <utility>

namespace mizaro {

namespace {

constexpr char kSuitLetters[] = {'m', 'p', 's', 'z'};
constexpr int kRedFive = 5;  // written 0

int SuitIndex(char c, Notation notation) {
    if (notation == Notation::kWritten && c >= 'A' && c <= 'Z')
        c = static_cast<char>(c - 'A' + 'a');
    for (int i = 0; i < 4; ++i)
        if (kSuitLetters[i] == c) return i;
    return -1;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

ParsedTiles Refuse(ParsedTiles out, NotationFault fault, std::size_t position, std::string error) {
    out.fault = fault;
    out.position = position;
    out.error = std::move(error);
    return out;
}

}  // namespace

ParsedTiles ParseTiles(std::string_view text, Notation notation) {
    const bool written = notation == Notation::kWritten;
    ParsedTiles out;
    std::vector<std::size_t> pending;  // offsets of the digits still waiting for their suit
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (written && IsBlank(c)) continue;
        if (c >= '0' && c <= '9') {
            if (c == '0' && !written)
                return Refuse(out, NotationFault::kUnknownCharacter, i, "digit 0 is not a tile");
            pending.push_back(i);
            continue;
        }
        const int suit = SuitIndex(c, notation);
        if (suit < 0) {
            return Refuse(out, NotationFault::kUnknownCharacter, i,
                          std::string("unknown character '") + c + "'");
        }
        if (pending.empty()) {
            return Refuse(out, NotationFault::kSuitWithoutDigits, i,
                          std::string("suit letter '") + c + "' has no digits");
        }
        for (std::size_t at : pending) {
            int d = text[at] - '0';
            if (suit == 3 && (d == 0 || d > 7)) {
                return Refuse(out, NotationFault::kNoSuchHonour, at,
                              std::to_string(d) + "z is not a tile (honours are 1z..7z)");
            }
            if (d == 0) d = kRedFive;
            const TileKind k = suit * 9 + d - 1;
            if (++out.counts[k] > 4) {
                out.kind = k;
                return Refuse(out, NotationFault::kFifthCopy, at,
                              "more than 4 of " + FormatTile(k));
            }
            out.tiles.push_back(k);
        }
        pending.clear();
    }
    if (!pending.empty()) {
        return Refuse(out, NotationFault::kDigitsAtEnd, pending.front(),
                      "digits with no suit letter at the end");
    }
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
