// A counting search under the progress window: the bar follows its count, and a cancel reaches
// the search, which would otherwise keep the runner waiting for ever at its end.
#include <QProgressBar>
#include <QPushButton>
#include <chrono>
#include <thread>

#include "analysis/nanikiru_search.h"
#include "analysis/position_line.h"
#include "app/ui/progress_dialog.h"
#include "app/ui/search_runner.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

TEST(SearchRunnerThreadTest, TheBarFollowsTheStepsAndACancelStopsTheSearch) {
    QWidget parent;
    int shown = 0, scale = 0;
    SearchRunner runner(&parent);
    OnNextModal<ProgressDialog> cancel([&](ProgressDialog* dialog) {
        std::tie(shown, scale) = std::pair(dialog->bar()->value(), dialog->bar()->maximum());
        if (shown > 0) dialog->stopButton()->click();
    });
    EXPECT_FALSE(runner.RunWithProgress([](SearchProgress& progress) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the bar opens first
        progress.total.store(1000);
        for (int done = 1; !progress.stop.load(); done = std::min(done + 1, 999)) {
            progress.done.store(done);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return 0;
    }));
    EXPECT_TRUE(shown > 0 && shown < kProgressBarScale) << shown;
    EXPECT_EQ(scale, kProgressBarScale) << "a bar that only shows activity";
}

// A cancelled search ends at once: the runner, destroyed with the window, waits for nothing.
TEST(SearchRunnerThreadTest, ACancelledSearchEndsAtOnceAndTheRunnerWaitsOnlyForThat) {
    QWidget parent;
    std::chrono::steady_clock::time_point cancelled;
    {
        SearchRunner runner(&parent);
        OnNextModal<ProgressDialog> cancel([](ProgressDialog* d) { d->stopButton()->click(); });
        // Three from ready with slack 2: an analysis of many seconds.
        const KyokuState position = ParsePositionLine("24688m3579p13479s turn=1").state;
        EXPECT_FALSE(runner.Run([position](const std::atomic<bool>* stop) {
            NanikiruSearch top(position, true, true, 2);
            top.SetStop(stop);
            top.AnalyzeDiscards();
            return top.stopped();
        }));
        cancelled = std::chrono::steady_clock::now();
    }
    // 11 s when the search runs on; the bound leaves room for a sanitizer.
    EXPECT_LT(std::chrono::steady_clock::now() - cancelled, std::chrono::seconds(5));
}

}  // namespace
}  // namespace mizaro::testing
