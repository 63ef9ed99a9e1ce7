// What every game an online-log reader returns must satisfy, whatever the bytes it read.
#pragma once

#include "core/tile.h"
#include "fuzz/fuzz_check.h"
#include "online/table_position.h"
#include "online/table_replay.h"

namespace mizaro::fuzz {

inline void CheckOnlineRead(const OnlineRead& read) {
    if (!read.ok()) {
        FUZZ_CHECK(read.game.hands.empty());
        return;
    }
    FUZZ_CHECK(!read.game.hands.empty());
    for (const OnlineHand& hand : read.game.hands) {
        int failed = 0;
        FUZZ_CHECK(ReplayHand(hand, failed).empty());
    }
    for (int seat = 0; seat < kSeats; ++seat)
        for (const TablePosition& p : ListPositions(read.game, seat)) {
            int tiles = 0, unseen = 0;
            for (TileKind k = 0; k < kKinds; ++k) {
                FUZZ_CHECK(p.tiles[k] >= 0 && p.unseen[k] >= 0 && p.tiles[k] + p.unseen[k] <= 4);
                tiles += p.tiles[k];
                unseen += p.unseen[k];
            }
            FUZZ_CHECK(tiles == 14 && IsValidKind(p.drawn) && p.tiles[p.drawn] > 0);
            FUZZ_CHECK(p.tiles[p.discarded] > 0);
            // Unseen: at least the live wall and a tile in each other hand.
            FUZZ_CHECK(unseen >= p.drawsLeft * 4 + 3);
            FUZZ_CHECK(p.drawsLeft >= 0 && p.drawsLeft * 4 < kLiveWallAfterDeal);
            FUZZ_CHECK(!p.doraIndicators.empty() && p.doraIndicators.size() <= kMaxIndicators);
        }
}

}  // namespace mizaro::fuzz
