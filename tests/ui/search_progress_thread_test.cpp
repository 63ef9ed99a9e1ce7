// A search of many steps under the progress window: the bar follows its count, and a cancel
// reaches the search, which would otherwise keep the runner waiting for ever.
#include <QProgressBar>
#include <QPushButton>
#include <chrono>
#include <thread>

#include "app/ui/progress_dialog.h"
#include "app/ui/search_runner.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

TEST(SearchRunnerThreadTest, TheBarFollowsTheStepsAndACancelStopsTheSearch) {
    QWidget parent;
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    int shown = 0, scale = 0;
    std::optional<int> result;
    {
        SearchRunner runner(&parent);
        OnNextModal<ProgressDialog> cancel([&](ProgressDialog* dialog) {
            shown = dialog->bar()->value();
            scale = dialog->bar()->maximum();
            if (shown > 0) dialog->stopButton()->click();
        });
        result = runner.RunWithProgress([stopped](SearchProgress& progress) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the bar opens first
            progress.total.store(1000);
            for (int done = 1; !progress.stop.load(); done = std::min(done + 1, 999)) {
                progress.done.store(done);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            stopped->store(true);
            return 1;
        });
    }  // the runner waits here for the cancelled search
    EXPECT_FALSE(result);
    EXPECT_GT(shown, 0);
    EXPECT_LT(shown, kProgressBarScale);
    EXPECT_EQ(scale, kProgressBarScale) << "a bar that only shows activity";
    EXPECT_TRUE(stopped->load());
}

}  // namespace
}  // namespace mizaro::testing
