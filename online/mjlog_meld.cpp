#include "online/mjlog_meld.h"

namespace mizaro {

std::string DecodeMeld(int who, unsigned m, TableAction& a) {
    if (m > 0xffff) return "a meld code above 16 bits";
    a.seat = who;
    const int offset = static_cast<int>(m & 3);  // 1 the next seat, 2 across, 3 the previous
    a.from = (who + offset) % kSeats;
    if (m & 0x4) {
        // A run: its lowest tile and which of the three was called, as one number.
        const unsigned t = m >> 10;
        const unsigned pattern = t / 3, called = t % 3;
        if (pattern >= 21) return "a run that starts past 7";
        const TileKind base = static_cast<TileKind>(pattern / 7 * 9 + pattern % 7);
        a.type = ActionType::kChi;
        a.tile = base + static_cast<TileKind>(called);
        int n = 0;
        for (TileKind k = base; k < base + 3; ++k)
            if (k != a.tile) a.chiTiles[n++] = k;
        return {};
    }
    if (m & 0x18) {
        // A pon, or the tile added to one: the kind, and which copy was called.
        const unsigned kind = (m >> 9) / 3;
        if (kind >= kKinds) return "a triplet of no kind";
        a.type = (m & 0x8) ? ActionType::kPon : ActionType::kAddedKan;
        a.tile = static_cast<TileKind>(kind);
        if (a.type == ActionType::kAddedKan) a.from = -1;
        return {};
    }
    if (m & 0x20) return "a north set aside, which only three players do";
    const unsigned kind = (m >> 8) / 4;
    if (kind >= kKinds) return "a kan of no kind";
    a.type = offset == 0 ? ActionType::kClosedKan : ActionType::kOpenKan;
    a.tile = static_cast<TileKind>(kind);
    if (offset == 0) a.from = -1;
    return {};
}

}  // namespace mizaro
