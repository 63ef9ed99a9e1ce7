// Where a result box goes, without a screen: never over the game when there is room elsewhere.
#include "app/ui/box_placement.h"

#include <gtest/gtest.h>

namespace mizaro::testing {
namespace {

bool CoversAny(const QRect& box, const std::vector<QRect>& keep) {
    for (const QRect& r : keep) {
        if (box.intersects(r)) return true;
    }
    return false;
}

// A window of 660 x 500 at (100, 50): discards at the top left, the dora beside them, the hand
// along the bottom, and an empty stretch at the top right.
const QRect kWindow(100, 50, 660, 500);
const std::vector<QRect> kGame = {QRect(117, 142, 270, 200), QRect(432, 142, 45, 70),
                                  QRect(117, 430, 640, 100)};

TEST(BoxPlacementTest, KeepsTheGameInSightAndTheBoxOnTheScreen) {
    const struct {
        const char* name;
        QSize box;
        QRect available;
        bool inWindow;  // the box fits over the table's empty part
    } rows[] = {
        {"small box: over the table", QSize(250, 240), QRect(0, 0, 1600, 900), true},
        {"tall box: beside the window", QSize(300, 420), QRect(0, 0, 1600, 900), false},
        {"no room on the right: left of it", QSize(300, 420), QRect(-400, 0, 1170, 900), false},
    };
    for (const auto& row : rows) {
        const QRect placed(PlaceBox(row.box, kWindow, row.available, kGame), row.box);
        EXPECT_FALSE(CoversAny(placed, kGame)) << row.name;
        EXPECT_TRUE(row.available.contains(placed)) << row.name;
        EXPECT_EQ(kWindow.contains(placed), row.inWindow) << row.name;
    }
}

// Against every position on a coarse screen: whenever some place leaves the game uncovered,
// the chosen one does too, and otherwise it covers no more than the best of them.
TEST(BoxPlacementTest, FindsAFreePlaceWheneverOneExists) {
    const QRect available(0, 0, 40, 30);
    const QRect window(4, 3, 30, 22);
    const std::vector<QRect> game = {QRect(6, 6, 10, 8), QRect(18, 6, 3, 4), QRect(6, 19, 26, 4)};
    for (int w = 4; w <= 40; w += 3) {
        for (int h = 3; h <= 30; h += 3) {
            const QSize box(w, h);
            long long least = -1;
            for (int x = 0; x + w <= 40; ++x) {
                for (int y = 0; y + h <= 30; ++y) {
                    long long covered = 0;
                    for (const QRect& r : game) {
                        const QRect i = QRect(x, y, w, h).intersected(r);
                        covered += i.isEmpty() ? 0 : i.width() * i.height();
                    }
                    if (least < 0 || covered < least) least = covered;
                }
            }
            const QRect placed(PlaceBox(box, window, available, game), box);
            long long covered = 0;
            for (const QRect& r : game) {
                const QRect i = placed.intersected(r);
                covered += i.isEmpty() ? 0 : i.width() * i.height();
            }
            EXPECT_TRUE(available.contains(placed)) << w << "x" << h;
            EXPECT_EQ(covered, least) << w << "x" << h;
        }
    }
}

TEST(BoxPlacementTest, ABoxLargerThanTheScreenStartsAtItsCorner) {
    const QRect available(0, 0, 800, 600);
    EXPECT_EQ(PlaceBox(QSize(900, 700), kWindow, available, kGame), QPoint(0, 0));
}

}  // namespace
}  // namespace mizaro::testing
