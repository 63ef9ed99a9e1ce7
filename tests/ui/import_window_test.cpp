// 牌譜を読み込む in the window: a log file chosen, then the same game from the clipboard with the
// last player chosen offered again; each time the review page is written and opened.
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>

#include "app/ui/command_ids.h"
#include "app/ui/drill_window.h"
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
    // Runs `trigger`, which gives the log, chooses seat 3 (whose discards cost) and tells whether it was offered.
    auto importForSeat3 = [](const std::function<void()>& trigger) {
        bool preselected = false;
        OnNextModal<PlayerDialog> player([&](PlayerDialog* dialog) {
            preselected = dialog->seatButton(3)->isChecked();
            dialog->seatButton(3)->setChecked(true);
            dialog->accept();
        });
        trigger();
        return preselected;
    };
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(importForSeat3([&] {
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
    EXPECT_NE(page.find("プレイヤー：<B>D</B>"), std::string::npos);
    EXPECT_NE(page.find("C が B から和了 2000 点"), std::string::npos);
    const std::size_t problems = window->drillWindow()->deck().problems.size();
    EXPECT_GT(problems, 0u) << "the costly discards join the drill";

    const std::string json = ReadWholeFile(kLogs + "game.json").value_or("");
    QGuiApplication::clipboard()->setText(QString::fromStdString("\n  " + json));
    EXPECT_TRUE(importForSeat3([&] {
        OnNextModal<QMessageBox> source([](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QStringLiteral("クリップボード")) b->click();
        });
        window->action(command::kImportGameLog)->trigger();
    }));
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(openedPage(), page);
    EXPECT_EQ(window->drillWindow()->deck().problems.size(), problems) << "the same game again";

    window->flow().simRunning = true;
    window->UpdateCommands();
    EXPECT_FALSE(window->action(command::kImportGameLog)->isEnabled());
    window->flow().simRunning = false;
}

}  // namespace
}  // namespace mizaro::testing
