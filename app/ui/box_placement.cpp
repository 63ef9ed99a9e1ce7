#include "app/ui/box_placement.h"

#include <algorithm>
#include <limits>

namespace mizaro {

namespace {

constexpr int kGap = 8;  // pixels between the box and what it keeps clear of

struct Candidate {
    QPoint at;
    long long covered = 0;
    long long distance = 0;
};

long long Area(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}

int Clamp(int v, int low, int high) {
    return high < low ? low : std::clamp(v, low, high);
}

// Tries every corner that touches an edge of an obstacle, the window or the screen. A free place,
// slid left and then up until it stops, comes to rest on such an edge on each axis, so when any
// free place exists one of these is free too.
Candidate Best(QSize box, const QRect& window, const QRect& available,
               const std::vector<QRect>& obstacles) {
    std::vector<int> xs = {available.left(), available.right() + 1 - box.width(),
                           window.right() + 1, window.left() - box.width()};
    std::vector<int> ys = {available.top(), available.bottom() + 1 - box.height(), window.top(),
                           window.bottom() + 1 - box.height()};
    // Aligned with an obstacle's far edges too: the covered area changes slope only where an
    // edge of the box meets an edge of an obstacle, so the least of it is found there as well.
    for (const QRect& r : obstacles) {
        for (int x : {r.right() + 1, r.left() - box.width(), r.left(), r.right() + 1 - box.width()})
            xs.push_back(x);
        for (int y :
             {r.bottom() + 1, r.top() - box.height(), r.top(), r.bottom() + 1 - box.height()})
            ys.push_back(y);
    }
    const QPoint middle = window.center();
    Candidate best;
    best.covered = std::numeric_limits<long long>::max();
    for (int x : xs) {
        for (int y : ys) {
            const QPoint at(Clamp(x, available.left(), available.right() + 1 - box.width()),
                            Clamp(y, available.top(), available.bottom() + 1 - box.height()));
            const QRect placed(at, box);
            Candidate c{at, 0, 0};
            for (const QRect& r : obstacles) c.covered += Area(placed.intersected(r));
            const QPoint d = placed.center() - middle;
            c.distance =
                static_cast<long long>(d.x()) * d.x() + static_cast<long long>(d.y()) * d.y();
            if (c.covered < best.covered ||
                (c.covered == best.covered && c.distance < best.distance))
                best = c;
        }
    }
    return best;
}

}  // namespace

QPoint PlaceBox(QSize box, const QRect& window, const QRect& available,
                const std::vector<QRect>& keepVisible) {
    std::vector<QRect> spaced;
    for (const QRect& r : keepVisible) spaced.push_back(r.adjusted(-kGap, -kGap, kGap, kGap));
    const Candidate roomy = Best(box, window, available, spaced);
    if (roomy.covered == 0) return roomy.at;
    return Best(box, window, available, keepVisible).at;
}

}  // namespace mizaro
