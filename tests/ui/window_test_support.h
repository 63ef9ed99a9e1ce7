// A main window on its own data directory, and helpers for the modal boxes it opens.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
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

// While it lives, hands the first modal window of type Dialog that opens to `handle`: the
// window's own event loop runs the handler, so a test can answer a dialog it opened. Some answers
// do not take at once (a file dialog may not accept before its view has caught up), so the
// handler runs again while that dialog stays open; it must be safe to repeat. A dialog still open
// after a few seconds fails the test and is closed, so a test never waits for ever; a helper that
// never saw its dialog fails the test too.
template <typename Dialog>
class OnNextModal {
  public:
    template <typename Handle>
    explicit OnNextModal(Handle handle, int giveUpMs = 5000) : giveUpMs_(giveUpMs) {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this, handle] { Poll(handle); });
        poll_.start();
    }
    ~OnNextModal() {
        poll_.stop();
        if (!seen_) {
            ADD_FAILURE() << "no modal " << Dialog::staticMetaObject.className() << " opened";
        }
    }
    OnNextModal(const OnNextModal&) = delete;
    OnNextModal& operator=(const OnNextModal&) = delete;

  private:
    template <typename Handle>
    void Poll(const Handle& handle) {
        if (!seen_) {
            auto* opened = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
            if (opened == nullptr) return;
            seen_ = true;
            dialog_ = opened;
            handled_.start();
        } else if (dialog_.isNull() || !dialog_->isVisible()) {
            poll_.stop();  // answered: the dialog is gone
            return;
        } else if (handled_.elapsed() > giveUpMs_) {
            poll_.stop();
            ADD_FAILURE() << "the modal " << Dialog::staticMetaObject.className() << " \""
                          << dialog_->windowTitle().toStdString() << "\" was still open "
                          << giveUpMs_ << " ms after it was answered";
            dialog_->reject();
            return;
        }
        handle(dialog_.data());
    }

    const int giveUpMs_;
    QTimer poll_;
    QElapsedTimer handled_;
    QPointer<Dialog> dialog_;
    bool seen_ = false;
};

// While it lives, any modal window that opens fails the test and is closed: for steps that
// must not ask the player anything, so that an unexpected box cannot stop the test.
class NoModalExpected {
  public:
    NoModalExpected() {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (dialog == nullptr || !dialog->isVisible()) return;
            const auto* box = qobject_cast<QMessageBox*>(dialog);
            ADD_FAILURE() << "unexpected modal \"" << dialog->windowTitle().toStdString() << "\" "
                          << (box != nullptr ? box->text().toStdString() : std::string());
            dialog->reject();
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
        if (QAbstractButton* button = box->button(answer)) {
            button->click();
        } else {
            ADD_FAILURE() << "the box \"" << seen.title.toStdString() << "\" has no button "
                          << answer;
            box->reject();
        }
    });
    action();
    return seen;
}

}  // namespace mizaro::testing
