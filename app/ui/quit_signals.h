// SIGTERM and SIGINT (a logout, `kill`, Ctrl+C) end the program the way closing its window
// does, with the games saved, instead of killing it with the games of the run in memory.
//
// The handler itself only writes a byte to a pipe, the one thing safe inside a signal handler;
// the interface thread reads it through a socket notifier and does the rest. A second signal
// while that runs is not caught again: it ends the program at once, for a save that hangs.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace mizaro {

class QuitSignals : public QObject {
  public:
    // `onSignal` runs on the thread that creates this object, once per signal received. One
    // instance at a time; the signals go back to their default handling when it is destroyed.
    explicit QuitSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // False when the pipe could not be made: the signals keep their default handling.
    bool installed() const { return notifier_ != nullptr; }

  private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace mizaro
