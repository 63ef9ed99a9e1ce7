// Plays the automatic discards after riichi at a pace a person can follow: one draw per tick on
// the interface thread. Any key or click meanwhile plays the rest at once and is spent on that,
// so it discards nothing afterwards.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "app/ui/held_key_guard.h"

namespace mizaro {

inline constexpr int kAutomaticStepMs = 300;

class RiichiPacer : public QObject {
  public:
    // `step` plays one automatic discard, `finish` all that are due.
    RiichiPacer(std::function<void()> step, std::function<void()> finish, HeldKeyGuard& guard,
                QObject* parent = nullptr);

    // The next step after one tick; input from now on finishes instead.
    void Schedule();
    bool waiting() const { return timer_.isActive(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Finish();

    std::function<void()> step_;
    std::function<void()> finish_;
    HeldKeyGuard& guard_;
    QTimer timer_;
    bool swallowRelease_ = false;  // the click that finished: its release is no discard
};

}  // namespace mizaro
