// 牌譜を読み込む in the window: a log file chosen, then the same game from the clipboard with the
// last player chosen offered again; each time the review page is written and opened.
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>

#include "app/ui/command_ids.h"
#include "app/ui/player_dialog.h"
#include "platform/read_file.h"
#include "platform/text_encoding.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

using ImportWindowTest = WindowTest;
const std::string kLogs = std::string(MIZARO_TEST_SOURCE_DIR) + "/online/data/";

TEST_F(ImportWindowTest, AFileOrTheClipboardIsReviewedForTheChosenPlayer) {
    std::vector<std::string> opened;
    window->SetPageOpener([&](const std::string& path) { opened.push_back(path); });
    auto openedPage = [&] {
        return Cp932ToUtf8(ReadWholeFile(opened.back()).value_or("")).value_or("");
    };
    // Runs `trigger`, which gives the log, chooses seat 2 and tells whether it was offered.
    auto importForSeat2 = [](const std::function<void()>& trigger) {
        bool preselected = false;
        OnNextModal<PlayerDialog> player([&](PlayerDialog* dialog) {
            preselected = dialog->seatButton(2)->isChecked();
            dialog->seatButton(2)->setChecked(true);
            dialog->accept();
        });
        trigger();
        return preselected;
    };
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(importForSeat2([&] {
        OnNextModal<QFileDialog> file([&](QFileDialog* dialog) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QString::fromStdString(kLogs + "game.mjlog.gz"));
            static_cast<QDialog*>(dialog)->accept();
        });
        window->action(command::kImportGameLog)->trigger();
    }));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened.back(), Dir() + "Review.htm");
    const std::string page = openedPage();
    EXPECT_NE(page.find("プレイヤー：<B>C</B>"), std::string::npos);
    EXPECT_NE(page.find("C が B から和了 2000 点"), std::string::npos);

    const std::string json = ReadWholeFile(kLogs + "game.json").value_or("");
    QGuiApplication::clipboard()->setText(QString::fromStdString("\n  " + json));
    EXPECT_TRUE(importForSeat2([&] {
        OnNextModal<QMessageBox> source([](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QStringLiteral("クリップボード")) b->click();
        });
        window->action(command::kImportGameLog)->trigger();
    }));
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(openedPage(), page);

    window->flow().simRunning = true;
    window->UpdateCommands();
    EXPECT_FALSE(window->action(command::kImportGameLog)->isEnabled());
    window->flow().simRunning = false;
}

}  // namespace
}  // namespace mizaro::testing
