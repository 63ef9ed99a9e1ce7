#include "app/simulation_controller.h"

#include <chrono>
#include <climits>

#include "app/language_text.h"
#include "app/simulation.h"
#include "app/status_text.h"
#include "core/random.h"

namespace mizaro {

namespace {

constexpr auto kStopPoll = std::chrono::milliseconds(2);

}  // namespace

int SimulationClockMs() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    return static_cast<int>(ms % INT_MAX);
}

SimulationController::~SimulationController() {
    Stop();
}

bool SimulationController::Start(StatSummary& com, const SimulationOptions& options) {
    if (worker_.joinable()) return false;
    stop_.store(false);
    repaintPosted_.store(false);
    statsSaveFailed_.store(false);
    {
        std::lock_guard lock(boxMutex_);
        pendingBox_.reset();
        boxAnswer_.reset();
        boxTaken_ = false;
        workerEnded_ = false;
        endedByItself_ = false;
    }
    {
        // Nothing of an earlier run is shown: the table keeps the player's game until the
        // worker's first deal.
        std::lock_guard lock(shownMutex_);
        shownState_ = KyokuState{};
        shownCounters_.CopyCounters(com);
    }
    running_.store(true);
    worker_ = std::thread([this, &com, options] { Run(com, options); });
    return true;
}

void SimulationController::Stop(const std::function<void()>& pumpEvents) {
    if (!worker_.joinable()) return;
    {
        // Under the lock, so a worker about to wait for an answer or a pause cannot miss it.
        std::lock_guard lock(boxMutex_);
        stop_.store(true);
    }
    boxChanged_.notify_all();
    // The worker may be just posting to the interface; the events keep flowing meanwhile.
    for (;;) {
        {
            std::lock_guard lock(boxMutex_);
            if (workerEnded_) break;
        }
        if (pumpEvents) pumpEvents();
        std::this_thread::sleep_for(kStopPoll);
    }
    worker_.join();
    running_.store(false);
    stop_.store(false);
}

bool SimulationController::Finish() {
    {
        std::lock_guard lock(boxMutex_);
        if (!endedByItself_ || stop_.load()) return false;
    }
    if (!worker_.joinable()) return false;
    worker_.join();
    running_.store(false);
    return true;
}

KyokuState SimulationController::StateCopy() const {
    std::lock_guard lock(shownMutex_);
    return shownState_;
}

StatSummary SimulationController::ShownCopy() const {
    std::lock_guard lock(shownMutex_);
    StatSummary copy;
    copy.CopyCounters(shownCounters_);
    return copy;
}

std::optional<SimulationResultBox> SimulationController::TakeResultBox() {
    std::lock_guard lock(boxMutex_);
    if (stop_.load() || !pendingBox_ || boxTaken_) return std::nullopt;
    boxTaken_ = true;
    return pendingBox_;
}

void SimulationController::AnswerResultBox(bool goOn) {
    {
        std::lock_guard lock(boxMutex_);
        if (!pendingBox_ || !boxTaken_) return;
        boxAnswer_ = goOn;
    }
    boxChanged_.notify_all();
}

void SimulationController::Publish(const KyokuState& state, const StatSummary* com) {
    std::lock_guard lock(shownMutex_);
    shownState_ = state;
    if (com != nullptr) shownCounters_.CopyCounters(*com);
}

void SimulationController::RequestRepaint() {
    // One repaint waiting is enough: the painting reads the latest copy anyway.
    if (!repaintPosted_.exchange(true)) host_.PostRepaint();
}

bool SimulationController::PauseUnlessStopped(int ms) {
    const PlayClock::Wait pacing(clock_);
    std::unique_lock lock(boxMutex_);
    return boxChanged_.wait_for(lock, std::chrono::milliseconds(ms),
                                [this] { return stop_.load(); });
}

bool SimulationController::AskResult(const SimulationResultBox& box) {
    {
        std::lock_guard lock(boxMutex_);
        if (stop_.load()) return false;
        pendingBox_ = box;
        boxTaken_ = false;
        boxAnswer_.reset();
    }
    // The player's reading time is not play.
    const PlayClock::Wait reading(clock_);
    host_.PostResultBox();
    std::unique_lock lock(boxMutex_);
    boxChanged_.wait(lock, [this] { return stop_.load() || boxAnswer_.has_value(); });
    const bool goOn = !stop_.load() && (!box.exhausted || *boxAnswer_);
    pendingBox_.reset();
    boxAnswer_.reset();
    return goOn;
}

void SimulationController::Run(StatSummary& com, SimulationOptions options) {
    // The watcher of the game in play: the stop flag once per turn, the repaints and the pause.
    class Watcher : public ComputerPlayWatcher {
      public:
        Watcher(SimulationController& c, const StatSummary& com, const SimulationOptions& o)
            : c_(c), com_(com), o_(o) {}
        bool StopRequested() override { return c_.stop_.load(); }
        void TurnStarting(const KyokuState& state) override {
            if (!o_.simDisp) return;
            c_.Publish(state, nullptr);
            c_.RequestRepaint();
        }
        void Drawn(const KyokuState& state) override {
            if (o_.simDisp) {
                c_.Publish(state, &com_);
                c_.RequestRepaint();
            }
            if (o_.simInterval > 0) c_.PauseUnlessStopped(o_.simInterval);
        }

      private:
        SimulationController& c_;
        const StatSummary& com_;
        const SimulationOptions& o_;
    };

    if (options.seed) SeedThreadRandom(*options.seed);
    clock_.Start();
    com.simStartClock = clock_.PlayedMs();
    com.simStartN = com.N;
    // The worker owns `com` while it runs, so it is the one to write it.
    auto saveStats = [&] {
        if (!options.statsDirectory.empty())
            statsSaveFailed_.store(!com.Save(options.statsDirectory));
    };
    int lastSave = now_();
    Watcher watcher(*this, com, options);
    KyokuState state;
    state.mode = options.mode;
    state.simLevel = options.level;
    GameRecord record;
    bool endedByItself = false;
    for (;;) {
        const ComputerGameEnd end = PlayComputerGame(state, record, &watcher);
        if (end == ComputerGameEnd::kStopped) break;  // abandoned, not recorded
        const int before = com.N;
        RecordComputerGame(com, state, record, options.simClear, options.snapshotDirectory);
        // After a snapshot the counters start again from zero; so does the measure of speed.
        if (com.N != before + 1) {
            com.simStartClock = clock_.PlayedMs();
            com.simStartN = com.N;
        }
        // A failed save is not tried again at every game, only when the next one is due.
        if (const int now = now_(); now - lastSave >= options.saveEveryMs) {
            saveStats();
            lastSave = now;
        }
        Publish(state, &com);
        RequestRepaint();
        if (!options.showResult) continue;
        SimulationResultBox box;
        box.exhausted = end == ComputerGameEnd::kExhausted;
        box.caption = box.exhausted ? InLanguage(options.language, "流局", "Exhaustive draw")
                                    : InLanguage(options.language, "和了", "Win");
        box.text = box.exhausted ? ExhaustedText(state.Shanten(), options.language)
                                 : state.ScoreText(options.language);
        if (!AskResult(box)) {
            endedByItself = !stop_.load();
            break;
        }
    }
    saveStats();
    {
        std::lock_guard lock(boxMutex_);
        workerEnded_ = true;
        endedByItself_ = endedByItself;
    }
    if (endedByItself) host_.PostFinished();
}

}  // namespace mizaro
