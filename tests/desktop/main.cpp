// The desktop tests run on an X server of their own, framed by openbox. Where either program is
// missing the tests skip with the reason; they never fall back to a screen without frames.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <memory>
#include <vector>

#include "desktop_session.h"

namespace mizaro::testing {
namespace {

std::string unavailable = "the desktop session was not set up";

// Starts a program whose end is tied to ours, so a crashed test leaves no server behind.
pid_t Spawn(const std::vector<std::string>& args, int keepFd = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int devNull = open("/dev/null", O_RDWR);
    dup2(devNull, STDIN_FILENO);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    if (keepFd >= 0) fcntl(keepFd, F_SETFD, 0);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

void Stop(pid_t& pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

class DesktopSession : public ::testing::Environment {
  public:
    void SetUp() override {
        const std::string xvfb =
            QStandardPaths::findExecutable(QStringLiteral("Xvfb")).toStdString();
        const std::string openbox =
            QStandardPaths::findExecutable(QStringLiteral("openbox")).toStdString();
        const QString xcbPlugin =
            QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libqxcb.so");
        if (xvfb.empty() || openbox.empty()) {
            unavailable = "Xvfb and openbox are needed (Debian packages xvfb and openbox)";
            return;
        }
        if (!QFileInfo::exists(xcbPlugin)) {
            unavailable = "Qt's X11 platform plugin is missing: " + xcbPlugin.toStdString();
            return;
        }
        // The private desktop has no session bus; neither openbox nor Qt may reach the user's.
        setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
        if (!StartServer(xvfb) || !StartWindowManager(openbox)) return;
        qputenv("QT_QPA_PLATFORM", "xcb");
        static int argc = 1;
        static char name[] = "desktop_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        unavailable.clear();
    }

    void TearDown() override {
        app_.reset();
        Stop(windowManager_);
        Stop(server_);
    }

  private:
    // Xvfb picks a free display itself and writes its number once it accepts clients.
    bool StartServer(const std::string& xvfb) {
        int ready[2];
        if (pipe2(ready, O_CLOEXEC) != 0) {
            unavailable = "no pipe for Xvfb";
            return false;
        }
        server_ = Spawn({xvfb, "-displayfd", std::to_string(ready[1]), "-screen", "0",
                         "1280x800x24", "-nolisten", "tcp"},
                        ready[1]);
        close(ready[1]);
        std::string number;
        pollfd wait{ready[0], POLLIN, 0};
        char c = 0;
        while (poll(&wait, 1, 10000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n') number += c;
        close(ready[0]);
        if (number.empty()) {
            unavailable = "Xvfb did not start";
            return false;
        }
        setenv("DISPLAY", (":" + number).c_str(), 1);
        return true;
    }

    // Openbox runs its start-up command once it manages the screen; the command leaves a mark.
    bool StartWindowManager(const std::string& openbox) {
        const QString mark = markDir_.filePath(QStringLiteral("managing"));
        windowManager_ =
            Spawn({openbox, "--sm-disable", "--startup", "touch '" + mark.toStdString() + "'"});
        for (int i = 0; i < 200 && !QFileInfo::exists(mark); ++i) QThread::msleep(50);
        if (!QFileInfo::exists(mark)) {
            unavailable = "openbox did not start";
            return false;
        }
        return true;
    }

    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    QTemporaryDir markDir_;
    std::unique_ptr<QApplication> app_;
};

}  // namespace

const std::string& DesktopUnavailable() {
    return unavailable;
}

}  // namespace mizaro::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new mizaro::testing::DesktopSession);
    return RUN_ALL_TESTS();
}
