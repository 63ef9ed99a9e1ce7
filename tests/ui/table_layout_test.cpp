#include "app/ui/table_layout.h"

#include <gtest/gtest.h>

#include "core/kyoku_state.h"

namespace mizaro::layout {
namespace {

// For no riichi and a riichi at every turn: each discard keeps within the discard area, which
// stays clear of the controls beside and below it; neighbours in a row keep the gap of upright
// tiles; the lying tile has an upright tile's size turned and shares its row's bottom line; and
// only the tiles after it in its own row move.
TEST(TableLayoutTest, TheRiichiDiscardLiesOnItsSideAndPushesOnlyTheRestOfItsRow) {
    for (const QRect& other : {kDiscardLabel, kDoraLabel, kDoraTile, kShantenButton, kInfoText,
                               MarkText(0), HandTile(0)}) {
        EXPECT_FALSE(kDiscardArea.intersects(other)) << other.x() << "," << other.y();
    }
    const QRect upright = DiscardTile(1, 0);
    const int gap = DiscardTile(2, 0).left() - upright.right();
    for (int riichi = 0; riichi <= kMaxTurns; ++riichi) {
        for (int t = 1; t <= kMaxTurns; ++t) {
            const QRect tile = DiscardTile(t, riichi);
            const QRect plain = DiscardTile(t, 0);
            EXPECT_TRUE(kDiscardArea.contains(tile)) << riichi << " " << t;
            EXPECT_EQ(tile.bottom(), plain.bottom()) << riichi << " " << t;
            EXPECT_EQ(tile.size(), t == riichi ? upright.size().transposed() : upright.size());
            const bool sameRow =
                riichi > 0 && (riichi - 1) / kDiscardsPerRow == (t - 1) / kDiscardsPerRow;
            EXPECT_EQ(tile.left() != plain.left(), sameRow && t > riichi) << riichi << " " << t;
            if (t % kDiscardsPerRow != 0) {
                EXPECT_EQ(DiscardTile(t + 1, riichi).left() - tile.right(), gap)
                    << riichi << " " << t;
            }
            for (int u = 1; u < t; ++u) EXPECT_FALSE(tile.intersects(DiscardTile(u, riichi)));
        }
    }
    for (int outside : {-1, kMaxTurns + 1}) EXPECT_EQ(DiscardTile(7, outside), DiscardTile(7, 0));
}

}  // namespace
}  // namespace mizaro::layout
