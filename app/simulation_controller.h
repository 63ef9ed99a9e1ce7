// The window's simulation: one worker thread playing the computer's games into the computer's
// statistics until it is stopped, and the hand-over between that worker and the interface
// thread. No window system is involved, so the protocol is tested (also under the thread
// sanitizer) with a stand-in for the window.
//
// The interface thread starts and stops the worker and reads only whole copies that the worker
// publishes under a short lock. The worker never waits for the interface except for the answer
// to a result box, and a stop wakes it from that wait too, so a stop can always join it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "app/play_clock.h"
#include "core/kyoku_state.h"
#include "core/language.h"
#include "stats/stat_summary.h"

namespace mizaro {

// What the worker asks of the window. Each call comes from the worker thread and must only
// queue the work for the interface thread, never wait for it.
class SimulationHost {
  public:
    virtual ~SimulationHost() = default;
    // Repaint from StateCopy and ShownCopy, then call RepaintDone.
    virtual void PostRepaint() = 0;
    // Show TakeResultBox (if it still gives one) and hand the answer to AnswerResultBox.
    virtual void PostResultBox() = 0;
    // The worker ended by itself (a result box was declined): call Finish.
    virtual void PostFinished() = 0;
};

struct SimulationOptions {
    int level = 2;  // SimShan
    int mode = kModeNormal;
    int simClear = 0;
    bool simDisp = true;
    int simInterval = 0;  // milliseconds after each draw
    bool showResult = false;
    Language language = Language::kJapanese;  // of the result boxes
    std::string snapshotDirectory;
    // The worker's generator, for a run that must give the same games; none: from the clock.
    std::optional<std::uint32_t> seed;
    // Where the worker saves the computer's statistics during the run, so a crash loses at
    // most the games of the last `saveEveryMs` milliseconds: after the first game that ends
    // that long after the last save, and at the end of the run. Empty: the run saves nothing.
    std::string statsDirectory;
    int saveEveryMs = 30'000;
};

struct SimulationResultBox {
    bool exhausted = false;  // Retry or Cancel; a win has OK only
    std::string caption;
    std::string text;
};

// Milliseconds of a monotonic clock, for the milliseconds per game of the status line.
int SimulationClockMs();

class SimulationController {
  public:
    // `now` times the play, for the milliseconds per game, and the saves during a run.
    explicit SimulationController(SimulationHost& host, PlayClock::Source now = SimulationClockMs)
        : host_(host), now_(now), clock_(std::move(now)) {}
    // Stops a running worker first.
    ~SimulationController();
    SimulationController(const SimulationController&) = delete;
    SimulationController& operator=(const SimulationController&) = delete;

    // Interface thread. Starts the worker on `com`, which only the worker touches until Stop
    // or Finish returns. False when a worker is still running or not yet finished.
    bool Start(StatSummary& com, const SimulationOptions& options);
    // Interface thread. Asks the worker to stop and waits for its end, calling `pumpEvents`
    // meanwhile so the interface keeps working. The game in progress is not recorded.
    void Stop(const std::function<void()>& pumpEvents = {});
    // Interface thread, after PostFinished: joins the worker that ended by itself. False when
    // there was none (a stop got there first).
    bool Finish();

    bool running() const { return running_.load(); }
    // Whether the worker's last save of the computer's statistics failed.
    bool statsSaveFailed() const { return statsSaveFailed_.load(); }
    // Any thread: the milliseconds the run has played so far, its waits left out. The
    // counters' simStartClock is a reading of it.
    int PlayedMs() const { return clock_.PlayedMs(); }

    // Any thread: whole copies of the game shown and of the computer's counters.
    KyokuState StateCopy() const;
    StatSummary ShownCopy() const;
    void RepaintDone() { repaintPosted_.store(false); }

    // Interface thread: the result box to show, or nothing when the run has been stopped.
    std::optional<SimulationResultBox> TakeResultBox();
    // Interface thread: Retry or OK (true) goes on, anything else ends the run.
    void AnswerResultBox(bool goOn);

  private:
    void Run(StatSummary& com, SimulationOptions options);
    void Publish(const KyokuState& state, const StatSummary* com);
    void RequestRepaint();
    // Waits up to `ms` milliseconds, less when a stop comes; true when stopped.
    bool PauseUnlessStopped(int ms);
    // Offers a result box and waits for its answer or a stop; true to go on.
    bool AskResult(const SimulationResultBox& box);

    SimulationHost& host_;
    PlayClock::Source now_;
    PlayClock clock_;
    std::thread worker_;
    std::atomic<bool> running_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> repaintPosted_{false};
    std::atomic<bool> statsSaveFailed_{false};

    mutable std::mutex shownMutex_;
    KyokuState shownState_;
    StatSummary shownCounters_;

    std::mutex boxMutex_;
    std::condition_variable boxChanged_;
    std::optional<SimulationResultBox> pendingBox_;
    bool boxTaken_ = false;
    std::optional<bool> boxAnswer_;
    bool workerEnded_ = false;
    bool endedByItself_ = false;
};

}  // namespace mizaro
