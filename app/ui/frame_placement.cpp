#include "app/ui/frame_placement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace mizaro {

namespace {

// Waits for the window's first exposure, when the window manager has framed it, puts the frame
// on its point once and goes away.
class FirstExposure : public QObject {
  public:
    FirstExposure(QWidget* window, QPoint frameTopLeft)
        : QObject(window), window_(window), target_(frameTopLeft) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || !window_->windowHandle()->isExposed()) return false;
        watched->removeEventFilter(this);
        // The frame as the platform window sees it now; the widget's may be the unframed one.
        const QWindow* handle = window_->windowHandle();
        if (handle->framePosition() != target_) {
            const QMargins frame = handle->frameMargins();
            window_->setGeometry(
                QRect(target_ + QPoint(frame.left(), frame.top()), window_->size()));
        }
        deleteLater();
        return false;
    }

  private:
    QWidget* window_;
    QPoint target_;
};

}  // namespace

void MoveFrameTo(QWidget* window, QPoint frameTopLeft) {
    window->move(frameTopLeft);  // right where the platform places a frame before showing it
    window->winId();             // the platform window, to watch its first exposure
    window->windowHandle()->installEventFilter(new FirstExposure(window, frameTopLeft));
}

QPoint FramePosition(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr ? handle->framePosition() : window->pos();
}

}  // namespace mizaro
