// The position-file reader on any bytes: a refused file leaves the game alone, an accepted one
// gives a position whose tiles add up, and writing it reads back to the same position.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/position_file.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mizaro;
    KyokuState s;
    s.turn = 7;
    PositionReadResult r =
        ParsePosition(std::string_view(reinterpret_cast<const char*>(data), size), s);
    if (!r.ok) {
        FUZZ_CHECK(s.turn == 7 && !r.reason.empty());
        return 0;
    }
    FUZZ_CHECK(s.turn >= 1 && s.turn <= kMaxTurns + 1 && IsValidKind(s.lastDraw));
    TileCounts total{};
    for (TileKind k = 0; k < kKinds; ++k) {
        total[k] += s.wall[k] + s.hand[k];
        total[PrevKind(k)] += s.dora[k];
    }
    for (int d : s.discards)
        if (d != kNoTile) ++total[d];
    for (int t : total) FUZZ_CHECK(t >= 0 && t <= 4);
    FUZZ_CHECK(s.HandTileCount() == 13 || s.HandTileCount() == 14);
    if (s.HandTileCount() == 14) FUZZ_CHECK(s.hand[s.lastDraw] > 0 && s.turn <= kMaxTurns);
    for (int slot = s.turn - 1; slot < kMaxTurns; ++slot) FUZZ_CHECK(s.discards[slot] == kNoTile);
    std::string written = FormatPosition(s);
    KyokuState back;
    FUZZ_CHECK(ParsePosition(written, back).ok);
    FUZZ_CHECK(back.wall == s.wall && back.hand == s.hand && back.dora == s.dora);
    FUZZ_CHECK(back.discards == s.discards && back.turn == s.turn);
    FUZZ_CHECK(FormatPosition(back) == written);
    return 0;
}
