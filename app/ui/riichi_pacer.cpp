#include "app/ui/riichi_pacer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <utility>

namespace mizaro {

RiichiPacer::RiichiPacer(std::function<void()> step, std::function<void()> finish,
                         HeldKeyGuard& guard, QObject* parent)
    : QObject(parent), step_(std::move(step)), finish_(std::move(finish)), guard_(guard) {
    timer_.setSingleShot(true);
    timer_.setInterval(kAutomaticStepMs);
    connect(&timer_, &QTimer::timeout, this, [this] { step_(); });
    QCoreApplication::instance()->installEventFilter(this);
}

void RiichiPacer::Schedule() {
    timer_.start();
}

bool RiichiPacer::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (!swallowRelease_) break;
            swallowRelease_ = false;
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (!waiting()) break;
            swallowRelease_ = true;
            Finish();
            return true;
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            if (!waiting()) break;
            guard_.Hold(static_cast<QKeyEvent*>(event)->key());
            event->accept();
            Finish();
            return true;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void RiichiPacer::Finish() {
    timer_.stop();
    // After the input is dealt with: the rest may end in a result box, which is no place to
    // open from inside another widget's event.
    QMetaObject::invokeMethod(
        this, [this] { finish_(); }, Qt::QueuedConnection);
}

}  // namespace mizaro
