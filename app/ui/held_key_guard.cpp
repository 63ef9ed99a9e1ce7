#include "app/ui/held_key_guard.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace mizaro {

HeldKeyGuard::HeldKeyGuard(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

void HeldKeyGuard::Hold(int key) {
    held_.insert(key);
}

void HeldKeyGuard::BoxOpened() {
    ++openBoxes_;
}

void HeldKeyGuard::BoxClosed() {
    if (openBoxes_ > 0 && --openBoxes_ == 0) {
        held_.insert(pressedInBox_.begin(), pressedInBox_.end());
        pressedInBox_.clear();
    }
}

bool HeldKeyGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride && type != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        // A release that is half of an auto-repeat leaves the key down.
        if (!key->isAutoRepeat()) {
            held_.erase(key->key());
            pressedInBox_.erase(key->key());
        }
        return false;
    }
    if (holding(key->key())) {
        // Accepting the override keeps the key from any shortcut; the press then goes nowhere.
        event->accept();
        return true;
    }
    if (openBoxes_ > 0) pressedInBox_.insert(key->key());
    return false;
}

}  // namespace mizaro
