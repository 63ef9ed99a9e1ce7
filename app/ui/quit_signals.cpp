#include "app/ui/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace mizaro {

namespace {

constexpr int kCaught[] = {SIGTERM, SIGINT};

int pipeEnds[2] = {-1, -1};

extern "C" void WakeInterface(int) {
    const int saved = errno;  // the interrupted code may be about to read it
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(pipeEnds[1], &byte, 1);
    errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (read(pipeEnds[0], bytes, sizeof bytes) > 0) onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = WakeInterface;
    sigemptyset(&action.sa_mask);
    // Restarted system calls keep the interface thread's I/O intact; the handler is reset after
    // one signal, so a second one ends the program.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int sig : kCaught) sigaction(sig, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    if (notifier_ == nullptr) return;
    for (int sig : kCaught) std::signal(sig, SIG_DFL);
    delete notifier_;
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

}  // namespace mizaro
