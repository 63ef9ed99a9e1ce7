// Where a result box goes, without a screen: never over the game when there is room elsewhere.
#include "app/ui/box_placement.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// Discards at the top left of the window, the dora beside them, the hand along the bottom.
TEST(BoxPlacementTest, PrefersTheTablesEmptyPartThenBesideTheWindow) {
    const QRect window(100, 50, 660, 500);
    const QRect screen(0, 0, 1600, 900);
    const std::vector<QRect> game = {QRect(117, 142, 270, 200), QRect(432, 142, 45, 70),
                                     QRect(117, 430, 640, 100)};
    const QRect small(PlaceBox(QSize(250, 240), window, screen, game), QSize(250, 240));
    const QRect tall(PlaceBox(QSize(300, 600), window, screen, game), QSize(300, 600));
    EXPECT_TRUE(window.contains(small));
    EXPECT_GT(tall.left(), window.right());
    EXPECT_EQ(Covered(small, game) + Covered(tall, game), 0);
}

// Against every position on a coarse screen: the chosen place covers no more of the game than
// the best of them, so a free place is found whenever one exists.
TEST(BoxPlacementTest, CoversNoMoreThanTheBestPlaceOnTheScreen) {
    const QRect available(0, 0, 40, 30);
    const QRect window(4, 3, 30, 22);
    const std::vector<QRect> game = {QRect(6, 6, 10, 8), QRect(18, 6, 3, 4), QRect(6, 19, 26, 4)};
    for (int w = 4; w <= 40; w += 3) {
        for (int h = 3; h <= 30; h += 3) {
            long long least = Covered(QRect(0, 0, w, h), game);
            for (int x = 0; x + w <= 40; ++x) {
                for (int y = 0; y + h <= 30; ++y)
                    least = std::min(least, Covered(QRect(x, y, w, h), game));
            }
            const QRect placed(PlaceBox(QSize(w, h), window, available, game), QSize(w, h));
            EXPECT_TRUE(available.contains(placed)) << w << "x" << h;
            EXPECT_EQ(Covered(placed, game), least) << w << "x" << h;
        }
    }
}

}  // namespace
}  // namespace mizaro::testing
