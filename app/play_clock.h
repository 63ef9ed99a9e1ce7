// PlayClock: the milliseconds a simulation has spent playing. It stands still while the worker
// waits, for the answer to a result box or for the display's pacing after a draw, so that the
// milliseconds per game are the computer's own speed and not the player's reading time.
//
// The worker starts it and waits under it; the window reads it: every call takes a short lock.
#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <utility>

namespace mizaro {

class PlayClock {
  public:
    // Milliseconds of a monotonic clock.
    using Source = std::function<int()>;
    explicit PlayClock(Source now) : now_(std::move(now)) {}

    // From zero, running.
    void Start();
    int PlayedMs() const;

    // Stands the clock still for as long as it lives; never nested.
    class Wait {
      public:
        explicit Wait(PlayClock& clock) : clock_(clock) { clock_.Pause(); }
        ~Wait() { clock_.Resume(); }
        Wait(const Wait&) = delete;
        Wait& operator=(const Wait&) = delete;

      private:
        PlayClock& clock_;
    };

  private:
    void Pause();
    void Resume();

    Source now_;
    mutable std::mutex mutex_;
    int startMs_ = 0;              // the source at Start, moved on by every pause since
    std::optional<int> pausedAt_;  // the source when the pause began
};

}  // namespace mizaro
