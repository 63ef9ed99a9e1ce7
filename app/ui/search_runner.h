// The window's searches (the reports, the problem text, the review) on a worker thread under
// the progress window, so that the window keeps painting and takes no input while they run.
//
// A cancel sets the search's stop and drops what it gives, which it holds alone; a search of
// many steps also shows its progress. The runner does not wait for a cancelled worker, whose
// searches end within a node (a step that does not search, such as reading a log, runs to its
// end); it joins the ended ones later and waits for the rest when it is destroyed, so none
// outlives the window.
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
    // nothing when it was cancelled. `search` takes the stop a cancel sets, to hand to the
    // engine, and must own everything it reads.
    template <typename Search>
    std::optional<std::invoke_result_t<Search, const std::atomic<bool>*>> Run(Search search) {
        using Result = std::invoke_result_t<Search, const std::atomic<bool>*>;
        // Shared with the worker, which may outlive this call after a cancel.
        auto result = std::make_shared<std::optional<Result>>();
        auto progress = std::make_shared<SearchProgress>();
        if (!RunOnWorker([result, progress,
                          search = std::move(search)] { *result = search(&progress->stop); },
                         progress, false))
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
                progress, true))
            return std::nullopt;
        return std::move(*result);
    }

  private:
    // True when `work` returned before a cancel; the worker is then joined. A cancel sets the
    // stop of `progress`; its counts fill the bar when `counting`.
    bool RunOnWorker(std::function<void()> work, std::shared_ptr<SearchProgress> progress,
                     bool counting);
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
