// Places a top-level window by the top-left corner of its frame, the corner that the settings
// store, and reads that corner back.
//
// Before a window is shown its frame does not exist yet, and on X11 the window manager puts the
// inside of the window at the requested point, the frame's title bar above and left of it; a
// window stored by its frame and restored that way creeps up by its title bar at every start.
// Qt's widget also keeps the frame it saw before the window manager framed the window, so both
// the check after the first exposure and the reading ask the platform window.
#pragma once

#include <QPoint>

class QWidget;

namespace mizaro {

// Places a window that is not shown yet so that its frame's corner comes to the point: it is
// checked, and moved onto the point, once it is first on the screen.
void MoveFrameTo(QWidget* window, QPoint frameTopLeft);

// The screen position of the frame's top-left corner.
QPoint FramePosition(const QWidget* window);

}  // namespace mizaro
