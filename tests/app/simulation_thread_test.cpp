// The simulation worker against a stand-in window: the test thread plays the interface thread,
// answering what the worker posts. Built also under the thread sanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

#include "app/simulation_controller.h"
#include "stats/stat_summary.h"
#include "app/status_text.h"
#include "stats/user_name.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using namespace std::chrono_literals;

class StandInWindow : public SimulationHost {
  public:
    void PostRepaint() override { Count(repaints); }
    void PostResultBox() override { Count(boxes); }
    void PostFinished() override { Count(finished); }

    // Waits (the test's time limit at most) until `done` holds for the counts.
    bool WaitFor(const std::function<bool()>& done) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 20s, done);
    }
    int Boxes() {
        std::lock_guard lock(mutex_);
        return boxes;
    }

    int repaints = 0;
    int boxes = 0;
    int finished = 0;

  private:
    void Count(int& counter) {
        {
            std::lock_guard lock(mutex_);
            ++counter;
        }
        changed_.notify_all();
    }
    std::mutex mutex_;
    std::condition_variable changed_;
};

StatSummary Computer() {
    StatSummary com;
    com.name = std::string(kComputerStatName);
    return com;
}

// Every tile of a normal game is somewhere: wall, hand, discards, indicators.
int TilesAccountedFor(const KyokuState& s) {
    return s.WallTileCount() + s.HandTileCount() + (s.turn - 1) + 1 +
           (s.uraIndicator != kNoTile ? 1 : 0);
}

TEST(SimulationThreadTest, StopAtOnceAbandonsTheGameUnrecorded) {
    StandInWindow window;
    SimulationController sim(window);
    StatSummary com = Computer();
    SimulationOptions options;
    options.simInterval = 10'000;  // the first draw pauses far longer than the test waits
    ASSERT_TRUE(sim.Start(com, options));
    EXPECT_TRUE(sim.running());
    EXPECT_FALSE(sim.Start(com, options)) << "one worker at a time";
    const auto before = std::chrono::steady_clock::now();
    sim.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 5s) << "the pause gives way to a stop";
    EXPECT_FALSE(sim.running());
    EXPECT_EQ(com.N, 0);
    EXPECT_TRUE(com.records.empty());
    EXPECT_FALSE(sim.Finish()) << "a stopped worker has nothing left to finish";
}

TEST(SimulationThreadTest, StopWhileAResultBoxIsPendingEndsTheRun) {
    StandInWindow window;
    SimulationController sim(window);
    StatSummary com = Computer();
    SimulationOptions options;
    options.showResult = true;
    options.level = 1;
    ASSERT_TRUE(sim.Start(com, options));
    ASSERT_TRUE(window.WaitFor([&] { return window.boxes == 1; }));
    // The box is posted but the interface has not shown it: the stop must not wait for it.
    sim.Stop();
    EXPECT_FALSE(sim.running());
    EXPECT_EQ(com.N, 1) << "the finished game is recorded, nothing after it";
    EXPECT_FALSE(sim.TakeResultBox().has_value()) << "no box shows after the stop";
    sim.AnswerResultBox(true);  // a late answer changes nothing
    EXPECT_EQ(window.finished, 0);
}

TEST(SimulationThreadTest, WinsGoOnAndADeclinedExhaustedGameEndsTheRun) {
    StandInWindow window;
    SimulationController sim(window);
    StatSummary com = Computer();
    SimulationOptions options;
    options.showResult = true;
    options.level = 1;
    options.seed = 25;  // two wins, then an exhausted game
    ASSERT_TRUE(sim.Start(com, options));
    int wins = 0;
    for (int shown = 1;; ++shown) {
        ASSERT_TRUE(window.WaitFor([&] { return window.boxes == shown; }));
        const std::optional<SimulationResultBox> box = sim.TakeResultBox();
        ASSERT_TRUE(box.has_value());
        EXPECT_FALSE(sim.TakeResultBox().has_value()) << "each box shows once";
        EXPECT_EQ(box->caption, box->exhausted ? "流局" : "和了");
        if (box->exhausted) {
            sim.AnswerResultBox(false);  // Cancel
            break;
        }
        ++wins;
        sim.AnswerResultBox(false);  // a win's box has only OK: any answer goes on
    }
    ASSERT_TRUE(window.WaitFor([&] { return window.finished == 1; }));
    EXPECT_TRUE(sim.running()) << "running until the interface has finished the run";
    EXPECT_TRUE(sim.Finish());
    EXPECT_FALSE(sim.running());
    EXPECT_EQ(wins, 2) << "a win's box, whatever its answer, lets the run go on";
    EXPECT_EQ(com.N, wins + 1);
    EXPECT_EQ(com.nAgari, wins);
    EXPECT_EQ(window.Boxes(), wins + 1);
}

TEST(SimulationThreadTest, PaintingReadsWholeCopiesDuringARun) {
    StandInWindow window;
    SimulationController sim(window);
    StatSummary com = Computer();
    SimulationOptions options;
    options.level = 1;
    options.simDisp = true;
    ASSERT_TRUE(sim.Start(com, options));
    int lastGames = 0;
    int painted = 0;
    // A loaded machine may let a copy land between games, when the table holds no hand yet:
    // read on until a dealt hand was seen too.
    const auto limit = std::chrono::steady_clock::now() + 30s;
    while ((lastGames < 40 || painted == 0) && std::chrono::steady_clock::now() < limit) {
        // What a repaint reads: the game on the table and the counters of the status line.
        const KyokuState shown = sim.StateCopy();
        const StatSummary counters = sim.ShownCopy();
        sim.RepaintDone();
        if (shown.HandTileCount() >= 13) {
            ASSERT_EQ(TilesAccountedFor(shown), 136);
            ++painted;
        }
        ASSERT_GE(counters.N, lastGames) << "the counters never go back";
        ASSERT_LE(counters.nAgari, counters.N);
        ASSERT_LE(counters.NoReach, counters.nAgari);
        lastGames = counters.N;
    }
    sim.Stop();
    EXPECT_GT(painted, 0);
    EXPECT_GT(window.repaints, 0);
    EXPECT_GE(com.N, 40);
    EXPECT_EQ(com.records.size(), static_cast<std::size_t>(com.N));
}

TEST(SimulationThreadTest, SnapshotsRestartTheMeasureOfSpeed) {
    testing::TempDir dir;
    StandInWindow window;
    SimulationController sim(window);
    StatSummary com = Computer();
    com.N = 7;  // counted on the statistics' own total, not from the start of the run
    SimulationOptions options;
    options.level = 1;
    options.simDisp = false;
    options.simClear = 10;
    options.snapshotDirectory = dir.Dir();
    ASSERT_TRUE(sim.Start(com, options));
    // Cleared at the tenth game, the third of the run.
    const auto limit = std::chrono::steady_clock::now() + 20s;
    StatSummary shown;
    do {
        sim.RepaintDone();
        std::this_thread::sleep_for(1ms);
        shown = sim.ShownCopy();
    } while ((shown.N == 0 || shown.N >= 7) && std::chrono::steady_clock::now() < limit);
    sim.Stop();
    EXPECT_EQ(shown.simStartN, 0) << "the start marks follow the cleared counters";
    EXPECT_TRUE(std::filesystem::exists(dir.Dir()) && !std::filesystem::is_empty(dir.Dir()))
        << "the snapshot holds the cleared games";
}

TEST(SimulationThreadTest, TheComputersStatisticsAreSavedByTheClockAndAtTheEnd) {
    testing::TempDir dir;
    StandInWindow window;
    std::atomic<int> clock{1'000};
    SimulationController sim(window, [&clock] { return clock.load(); });
    StatSummary com = Computer();
    SimulationOptions options;
    options.level = 1;
    options.simDisp = false;
    options.statsDirectory = dir.Dir();
    const auto waitUntil = [](const std::function<bool()>& done) {
        for (int i = 0; i < 20'000 && !done(); ++i) std::this_thread::sleep_for(1ms);
        return done();
    };
    ASSERT_TRUE(sim.Start(com, options));
    ASSERT_TRUE(waitUntil([&] { return sim.ShownCopy().N >= 2; }));
    EXPECT_FALSE(std::filesystem::exists(dir.File("StatCom.txt"))) << "not due before 30 s";
    clock.store(31'000);
    EXPECT_TRUE(waitUntil([&] { return std::filesystem::exists(dir.File("StatCom.txt")); }));
    sim.Stop();
    StatSummary onDisk;
    onDisk.Load(std::string(kComputerStatName), dir.Dir());
    EXPECT_EQ(onDisk.records.size(), com.records.size()) << "the end of the run saves its games";
    EXPECT_FALSE(sim.statsSaveFailed());
}

TEST(SimulationThreadTest, TheMillisecondsPerGameLeaveOutTheResultBoxes) {
    StandInWindow window;
    std::atomic<int> now{1000};  // moves only while a box waits for its answer
    SimulationController sim(window, [&] { return now.load(); });
    StatSummary com = Computer();
    SimulationOptions options;
    options.level = 1;
    options.simDisp = false;
    options.showResult = true;
    ASSERT_TRUE(sim.Start(com, options));
    // A minute before each answer; the third box shows the second answer taken in.
    for (int box = 1; window.WaitFor([&] { return window.boxes >= box; }) && box < 3; ++box) {
        now += 60'000;
        ASSERT_TRUE(sim.TakeResultBox().has_value());
        sim.AnswerResultBox(true);
    }
    const StatSummary shown = sim.ShownCopy();
    EXPECT_EQ(shown.N, 3);
    EXPECT_EQ(MsPerGame(sim.PlayedMs(), shown.simStartClock, shown.N, shown.simStartN), 0.0);
    sim.Stop();
}

}  // namespace
}  // namespace mizaro
