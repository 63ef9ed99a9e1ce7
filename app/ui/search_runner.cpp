#include "app/ui/search_runner.h"

#include <QApplication>

#include "app/ui/progress_dialog.h"

namespace mizaro {

namespace {

// A search: its progress when it counts its steps, and a stop that asks it to end.
class SearchWork : public ProgressWork {
  public:
    SearchWork(std::shared_ptr<std::atomic<bool>> finished,
               std::shared_ptr<SearchProgress> progress, bool counting)
        : finished_(std::move(finished)), progress_(std::move(progress)), counting_(counting) {}
    bool Finished() const override { return finished_->load(); }
    // A counting search shows a bar from the start, empty until it knows its steps.
    int Progress() const override {
        if (!counting_) return -1;
        const int total = progress_->total.load();
        if (total <= 0) return 0;
        return static_cast<int>(static_cast<long long>(progress_->done.load()) * kProgressBarScale /
                                total);
    }
    void Stop() override { progress_->stop.store(true); }

  private:
    std::shared_ptr<std::atomic<bool>> finished_;
    std::shared_ptr<SearchProgress> progress_;
    bool counting_;
};

}  // namespace

SearchRunner::~SearchRunner() {
    for (Worker& w : cancelled_) w.thread.join();
}

bool SearchRunner::RunOnWorker(std::function<void()> work, std::shared_ptr<SearchProgress> progress,
                               bool counting) {
    JoinEnded();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([work = std::move(work), finished] {
        work();
        finished->store(true);
    });
    SearchWork watched(finished, std::move(progress), counting);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ProgressDialog dialog(watched, QCoreApplication::translate("mizaro::SearchRunner", "計算中"),
                          parent_);
    const bool completed = dialog.exec() == QDialog::Accepted;
    QApplication::restoreOverrideCursor();
    if (completed) {
        thread.join();
    } else {
        cancelled_.push_back({std::move(thread), std::move(finished)});
    }
    return completed;
}

void SearchRunner::JoinEnded() {
    std::erase_if(cancelled_, [](Worker& w) {
        if (!w.finished->load()) return false;
        w.thread.join();
        return true;
    });
}

}  // namespace mizaro
