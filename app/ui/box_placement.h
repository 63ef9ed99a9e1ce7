// Where a box that reports on the game goes so that the game stays in sight: the hand, the
// discards and the dora indicator are never under it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace mizaro {

// The top-left corner for a box frame of `box` on the screen area `available`, given the main
// window's frame and the rectangles to keep visible, all in global coordinates.
//
// Of the places that cover none of them (with a small gap, else touching), the one nearest the
// middle of the window: over the table when its empty part is large enough, beside the window
// otherwise. When every place covers something, the one that covers the least area. The box
// stays on the available area whenever it fits there.
QPoint PlaceBox(QSize box, const QRect& window, const QRect& available,
                const std::vector<QRect>& keepVisible);

}  // namespace mizaro
