#include "app/ui/search_runner.h"

#include <QApplication>

#include "app/ui/progress_dialog.h"

namespace mizaro {

namespace {

// A search: no progress to show, and a stop that only stops waiting for it.
class SearchWork : public ProgressWork {
  public:
    explicit SearchWork(std::shared_ptr<std::atomic<bool>> finished)
        : finished_(std::move(finished)) {}
    bool Finished() const override { return finished_->load(); }
    void Stop() override {}

  private:
    std::shared_ptr<std::atomic<bool>> finished_;
};

}  // namespace

SearchRunner::~SearchRunner() {
    for (Worker& w : cancelled_) w.thread.join();
}

bool SearchRunner::RunOnWorker(std::function<void()> work) {
    JoinEnded();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([work = std::move(work), finished] {
        work();
        finished->store(true);
    });
    SearchWork watched(finished);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ProgressDialog progress(watched, QCoreApplication::translate("mizaro::SearchRunner", "計算中"),
                            parent_);
    const bool completed = progress.exec() == QDialog::Accepted;
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
