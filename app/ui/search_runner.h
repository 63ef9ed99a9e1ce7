// The window's searches (the reports, the problem text, the review) on a worker thread under
// the progress window, so that the window keeps painting and takes no input while they run.
//
// The search has no stop of its own, and a search is seconds at most: a cancel lets the worker
// finish unseen and drops what it gives, which it holds alone. The runner keeps such workers
// and waits for them when it is destroyed, so none outlives the window.
#pragma once

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

namespace mizaro {

class SearchRunner {
  public:
    // `parent`: the window the progress window is modal to.
    explicit SearchRunner(QWidget* parent) : parent_(parent) {}
    ~SearchRunner();
    SearchRunner(const SearchRunner&) = delete;
    SearchRunner& operator=(const SearchRunner&) = delete;

    // What `search` returns, computed on a worker thread while the progress window is open;
    // nothing when it was cancelled. `search` must own everything it reads.
    template <typename Search>
    std::optional<std::invoke_result_t<Search>> Run(Search search) {
        using Result = std::invoke_result_t<Search>;
        // Shared with the worker, which may outlive this call after a cancel.
        auto result = std::make_shared<std::optional<Result>>();
        if (!RunOnWorker([result, search = std::move(search)] { *result = search(); }))
            return std::nullopt;
        return std::move(*result);
    }

  private:
    // True when `work` returned before a cancel; the worker is then joined.
    bool RunOnWorker(std::function<void()> work);
    // Joins the cancelled workers that have ended since.
    void JoinEnded();

    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };
    QWidget* parent_;
    std::vector<Worker> cancelled_;
};

}  // namespace mizaro
