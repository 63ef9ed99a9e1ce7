// The window's searches (the reports, the problem text, the review) on a worker thread under
// the progress window, so that the window keeps painting and takes no input while they run.
//
// A short search has no stop of its own, being seconds at most: a cancel lets the worker finish
// unseen and drops what it gives, which it holds alone. A search of many steps shows its
// progress and stops between steps. The runner keeps cancelled workers and waits for them when
// it is destroyed, so none outlives the window.
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

// What a long search shares with the progress window: how far it is, and a stop it checks
// between its steps.
struct SearchProgress {
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::atomic<bool> stop{false};
};

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

    // Run for a search of many steps: `search` takes the SearchProgress, whose counts fill the
    // bar, and should return soon after a cancel sets its stop.
    template <typename Search>
    std::optional<std::invoke_result_t<Search, SearchProgress&>> RunWithProgress(Search search) {
        using Result = std::invoke_result_t<Search, SearchProgress&>;
        auto result = std::make_shared<std::optional<Result>>();
        auto progress = std::make_shared<SearchProgress>();
        if (!RunOnWorker(
                [result, progress, search = std::move(search)] { *result = search(*progress); },
                progress))
            return std::nullopt;
        return std::move(*result);
    }

  private:
    // True when `work` returned before a cancel; the worker is then joined. A cancel sets the
    // stop of `steps`, when given.
    bool RunOnWorker(std::function<void()> work, std::shared_ptr<SearchProgress> steps = nullptr);
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
