// The window's table: the area under the menu bar that holds every control. It hands mouse
// movements and button releases to the window, which hit-tests them against the hand slots.
#pragma once

#include <QMouseEvent>
#include <QWidget>
#include <functional>

namespace mizaro {

class TableWidget : public QWidget {
  public:
    explicit TableWidget(QWidget* parent = nullptr) : QWidget(parent) { setMouseTracking(true); }

    std::function<void(QPoint)> onMove;
    std::function<void(Qt::MouseButton, QPoint)> onRelease;
    std::function<void()> onLeave;

    // The table gets no event when the pointer moves on to one of its buttons, nor any move
    // while it stays there; watching the button's enter event keeps the pointer off the hand.
    void WatchChild(QWidget* child) { child->installEventFilter(this); }

  protected:
    void leaveEvent(QEvent*) override {
        if (onLeave) onLeave();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter && onLeave) onLeave();
        return QWidget::eventFilter(watched, event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (onMove) onMove(event->position().toPoint());
    }
    // Accepting the press makes this widget receive the release.
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (onRelease) onRelease(event->button(), event->position().toPoint());
    }
};

}  // namespace mizaro
