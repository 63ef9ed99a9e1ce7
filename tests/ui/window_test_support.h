// A main window on its own data directory, and helpers for the modal boxes it opens.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <string>

#include "app/ui/main_window.h"

namespace mizaro::testing {

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() { Open(); }

    void Open() {
        window.reset();
        window = std::make_unique<MainWindow>(Dir());
        window->flow().showResult = false;
    }
    void WriteSettings(const char* text) {
        QFile ini(File("QTW.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(text);
    }
    std::string Dir() const { return dir.path().toStdString() + "/"; }
    QString File(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
};

struct SeenBox {
    QString title;
    QString text;
};

// Runs `action`; the first message box it opens is read and answered with its default.
template <typename Action>
SeenBox AnswerNextBox(Action action, QMessageBox::StandardButton answer = QMessageBox::Ok) {
    SeenBox seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        poll.stop();
        seen = {box->windowTitle(), box->text()};
        box->button(answer)->click();
    });
    poll.start();
    action();
    return seen;
}

}  // namespace mizaro::testing
