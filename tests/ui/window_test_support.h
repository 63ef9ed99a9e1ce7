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

// While it lives, hands the first modal window of type Dialog that opens to `handle`, once:
// the window's own event loop runs the handler, so a test can answer a dialog it opened.
template <typename Dialog>
class OnNextModal {
  public:
    template <typename Handle>
    explicit OnNextModal(Handle handle) {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this, handle] {
            auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            poll_.stop();
            handle(dialog);
        });
        poll_.start();
    }

  private:
    QTimer poll_;
};

// Runs `action`; the first message box it opens is read and answered with `answer`.
template <typename Action>
SeenBox AnswerNextBox(Action action, QMessageBox::StandardButton answer = QMessageBox::Ok) {
    SeenBox seen;
    OnNextModal<QMessageBox> answerer([&](QMessageBox* box) {
        seen = {box->windowTitle(), box->text()};
        box->button(answer)->click();
    });
    action();
    return seen;
}

}  // namespace mizaro::testing
