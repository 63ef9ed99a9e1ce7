// The detailed analysis: F10 replays the user's games, Ctrl+F10 the computer's, on worker
// threads under the progress window, and the detailed-analysis window shows the result.
#include <QAction>
#include <algorithm>
#include <atomic>
#include <thread>

#include "app/ui/command_ids.h"
#include "app/ui/detail_dialog.h"
#include "app/ui/main_window.h"
#include "app/ui/progress_dialog.h"

namespace mizaro {

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
    ProgressDialog progress(worker, finished, replay, this);
    const bool ok = progress.exec() == QDialog::Accepted;
    if (worker.joinable()) worker.join();
    detailDialog_->SetReplaying(false);
    if (!ok) return;
    detailDialog_->ShowReplay(std::move(replay.games), replay.skipped, &summary == &comStats_);
    detailDialog_->show();
    detailDialog_->raise();
}

}  // namespace mizaro
