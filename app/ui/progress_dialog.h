// The modal progress window of a replay ("解析中"): a bar and a text polled from the replay
// every 100 ms, and a way to stop it. It ends with OK when the worker has finished, or after
// Enter has stopped it (the games replayed so far are shown); with Cancel after "中止", Esc or
// the close box, once the worker has ended.
#pragma once

#include <QDialog>
#include <QTimer>
#include <atomic>
#include <thread>

#include "stats/detail_analysis.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace mizaro {

class ProgressDialog : public QDialog {
  public:
    // `finished` turns true when the worker's replay has returned.
    ProgressDialog(std::thread& worker, const std::atomic<bool>& finished, DetailAnalysis& replay,
                   QWidget* parent = nullptr);

    QProgressBar* bar() const { return bar_; }
    QLabel* text() const { return text_; }
    QPushButton* stopButton() const { return stop_; }

    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Tick();
    // Asks the worker to stop after its current game and waits for it.
    void StopWorker();

    std::thread& worker_;
    const std::atomic<bool>& finished_;
    DetailAnalysis& replay_;
    QTimer timer_;
    QProgressBar* bar_ = nullptr;
    QLabel* text_ = nullptr;
    QPushButton* stop_ = nullptr;
};

}  // namespace mizaro
