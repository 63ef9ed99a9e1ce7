// The modal progress window of a long piece of work done on a worker thread: a bar and a text
// polled from the work every 100 ms, and a "中止" button. It ends with OK when the work has
// finished; with Cancel after "中止", Esc or the close box, once the work has been stopped or let
// go; and, for work that can keep what it has done, with OK after Enter has stopped it.
//
// While it is open nothing else of the program takes input: the modal window keeps the window
// system's clicks and keys from the other windows, and a filter drops input sent to them by
// other means. Input still queued for them when it closes was given during the work and is
// dropped too, so nothing pressed while waiting acts afterwards.
#pragma once

#include <QDialog>
#include <QTimer>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

namespace mizaro {

// The bar's full scale.
inline constexpr int kProgressBarScale = 10000;

// What the progress window watches. Every call comes from the interface thread.
class ProgressWork {
  public:
    virtual ~ProgressWork() = default;
    // The worker has returned.
    virtual bool Finished() const = 0;
    // The share done, 0..kProgressBarScale; -1 when unknown (the bar only shows activity).
    virtual int Progress() const { return -1; }
    virtual std::string Text() const { return {}; }
    // Stops the work or lets it finish unseen; either way it must not keep the window waiting
    // longer than a short step of the work.
    virtual void Stop() = 0;
    // Enter stops the work and ends with OK: what was done so far is worth showing.
    virtual bool KeepsPartOnEnter() const { return false; }
};

class ProgressDialog : public QDialog {
    Q_OBJECT

  public:
    ProgressDialog(ProgressWork& work, const QString& title, QWidget* parent = nullptr);

    QProgressBar* bar() const { return bar_; }
    QLabel* text() const { return text_; }
    QPushButton* stopButton() const { return stop_; }

    void reject() override;
    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Tick();
    void StopWork();

    ProgressWork& work_;
    QTimer timer_;
    QProgressBar* bar_ = nullptr;
    QLabel* text_ = nullptr;
    QPushButton* stop_ = nullptr;
};

}  // namespace mizaro
