#include "app/play_clock.h"

#include <cassert>

namespace mizaro {

void PlayClock::Start() {
    std::lock_guard lock(mutex_);
    startMs_ = now_();
    pausedAt_.reset();
}

void PlayClock::Pause() {
    std::lock_guard lock(mutex_);
    assert(!pausedAt_);
    pausedAt_ = now_();
}

void PlayClock::Resume() {
    std::lock_guard lock(mutex_);
    assert(pausedAt_);
    startMs_ += now_() - *pausedAt_;
    pausedAt_.reset();
}

int PlayClock::PlayedMs() const {
    std::lock_guard lock(mutex_);
    return (pausedAt_ ? *pausedAt_ : now_()) - startMs_;
}

}  // namespace mizaro
