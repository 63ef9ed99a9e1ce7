// The detailed analysis: F10 replays the user's games, Ctrl+F10 the computer's, on worker
// threads under the progress window, and the detailed-analysis window shows the result.
#include <QAction>
#include <algorithm>
#include <atomic>
#include <string>
#include <thread>

#include "app/ui/command_ids.h"
#include "app/ui/detail_dialog.h"
#include "app/ui/main_window.h"
#include "app/ui/progress_dialog.h"
#include "stats/detail_analysis.h"

namespace mizaro {

namespace {

static_assert(kProgressScale == kProgressBarScale);

// The replay under the progress window: a stop ends it after the current game and waits for
// the worker, and Enter shows the games replayed so far.
class ReplayWork : public ProgressWork {
  public:
    ReplayWork(std::thread& worker, const std::atomic<bool>& finished, DetailAnalysis& replay)
        : worker_(worker), finished_(finished), replay_(replay) {}
    bool Finished() const override { return finished_.load(); }
    int Progress() const override { return replay_.progress.load(); }
    std::string Text() const override { return replay_.ProgressText(); }
    void Stop() override {
        replay_.cancelRequested = true;
        if (worker_.joinable()) worker_.join();
    }
    bool KeepsPartOnEnter() const override { return true; }

  private:
    std::thread& worker_;
    const std::atomic<bool>& finished_;
    DetailAnalysis& replay_;
};

}  // namespace

void MainWindow::BuildDetailAnalysis() {
    detailDialog_ = new DetailDialog(settings_, this);
    detailDialog_->hide();
    connect(actions_[command::kDetailAnalysis], &QAction::triggered, this,
            [this] { RunDetailAnalysis(flow_.userStats); });
    connect(actions_[command::kDetailAnalysisCom], &QAction::triggered, this,
            [this] { RunDetailAnalysis(comStats_); });
}

void MainWindow::RunDetailAnalysis(StatSummary& summary) {
    // The simulation writes the computer's records and uses the search while it runs.
    if (flow_.simRunning) return;
    summary.DecodeAll();
    const std::vector<GameRecord> records = summary.records;
    // The replay fills an object of its own: a stopped analysis leaves the window's games, and
    // so every later filter change, as they were.
    DetailAnalysis replay;
    std::atomic<bool> finished{false};
    const int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    detailDialog_->SetReplaying(true);
    std::thread worker([&] {
        replay.ReplayAll(records, jobs);
        finished = true;
    });
    ReplayWork watched(worker, finished, replay);
    ProgressDialog progress(watched, tr("解析中"), this);
    const bool ok = progress.exec() == QDialog::Accepted;
    if (worker.joinable()) worker.join();
    detailDialog_->SetReplaying(false);
    if (!ok) return;
    detailDialog_->ShowReplay(std::move(replay.games), replay.skipped, &summary == &comStats_);
    detailDialog_->show();
    detailDialog_->raise();
}

}  // namespace mizaro
