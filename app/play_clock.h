// PlayClock: the milliseconds a simulation has spent playing. It stands still while the worker
// waits, for the answer to a result box or for the display's pacing after a draw, so that the
// milliseconds per game are the computer's own speed and not the player's reading time.
//
// The worker starts, pauses and resumes it; the window reads it: every call takes a short lock.
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
    // A pause while paused and a resume while running change nothing.
    void Pause();
    void Resume();
    int PlayedMs() const;

    // Paused for as long as it lives.
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
    Source now_;
    mutable std::mutex mutex_;
    int startMs_ = 0;              // the source at Start, moved on by every pause since
    std::optional<int> pausedAt_;  // the source when the pause began
};

}  // namespace mizaro
