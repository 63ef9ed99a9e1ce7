// Where a result box goes, without a screen: never over the game when there is room elsewhere.
#include "app/ui/box_placement.h"

#include <gtest/gtest.h>

namespace mizaro::testing {
namespace {

long long Covered(const QRect& box, const std::vector<QRect>& game) {
    long long area = 0;
    for (const QRect& r : game) {
        const QRect i = box.intersected(r);
        area += i.isEmpty() ? 0 : i.width() * i.height();
    }
    return area;
}

// A window at (100, 50) with the discards at the top left, the dora beside them, the hand along
// the bottom, and an empty stretch at the top right.
TEST(BoxPlacementTest, KeepsTheGameInSightAndTheBoxOnTheScreen) {
    const QRect window(100, 50, 660, 500);
    const std::vector<QRect> game = {QRect(117, 142, 270, 200), QRect(432, 142, 45, 70),
                                     QRect(117, 430, 640, 100)};
    const struct {
        QSize box;
        QRect available;
        bool inWindow;  // the box fits over the table's empty part
    } rows[] = {
        {QSize(250, 240), QRect(0, 0, 1600, 900), true},
        {QSize(300, 420), QRect(0, 0, 1600, 900), false},     // beside the window
        {QSize(300, 420), QRect(-400, 0, 1170, 900), false},  // left of it: no room on the right
    };
    for (const auto& row : rows) {
        const QRect placed(PlaceBox(row.box, window, row.available, game), row.box);
        EXPECT_EQ(Covered(placed, game), 0) << row.box.height() << " " << row.available.x();
        EXPECT_TRUE(row.available.contains(placed)) << row.available.x();
        EXPECT_EQ(window.contains(placed), row.inWindow) << row.box.height();
    }
}

// Against every position on a coarse screen: the chosen place covers no more of the game than
// the best of them, so a free place is found whenever one exists.
TEST(BoxPlacementTest, CoversNoMoreThanTheBestPlaceOnTheScreen) {
    const QRect available(0, 0, 40, 30);
    const QRect window(4, 3, 30, 22);
    const std::vector<QRect> game = {QRect(6, 6, 10, 8), QRect(18, 6, 3, 4), QRect(6, 19, 26, 4)};
    for (int w = 4; w <= 40; w += 3) {
        for (int h = 3; h <= 30; h += 3) {
            long long least = -1;
            for (int x = 0; x + w <= 40; ++x) {
                for (int y = 0; y + h <= 30; ++y) {
                    const long long c = Covered(QRect(x, y, w, h), game);
                    if (least < 0 || c < least) least = c;
                }
            }
            const QRect placed(PlaceBox(QSize(w, h), window, available, game), QSize(w, h));
            EXPECT_TRUE(available.contains(placed)) << w << "x" << h;
            EXPECT_EQ(Covered(placed, game), least) << w << "x" << h;
        }
    }
}

}  // namespace
}  // namespace mizaro::testing
