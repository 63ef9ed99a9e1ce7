// The simulation, the statistics page and the text reports in the window.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "app/ui/command_ids.h"
#include "platform/read_file.h"
#include "platform/text_encoding.h"
#include "stats/stat_page.h"
#include "stats/stat_text.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

// Lets the window's event loop run until `done` or the time limit.
template <typename Done>
bool RunUntil(Done done, int ms = 20'000) {
    for (int waited = 0; waited < ms && !done(); waited += 10) QTest::qWait(10);
    return done();
}

TEST_F(WindowTest, TheSimulationRunsPaintsAndStops) {
    window->settings().SimShan = 1;
    window->flow().simDisp = true;
    window->show();
    window->action(command::kSimulation)->trigger();
    ASSERT_TRUE(window->flow().simRunning);
    EXPECT_EQ(window->flow().playMode, kSimulationMode);
    EXPECT_EQ(window->action(command::kSimulation)->text(), "シミュレーション終了");
    EXPECT_FALSE(window->button(command::kEditButton)->isEnabled());
    ASSERT_TRUE(RunUntil([&] { return window->simulation().ShownCopy().N >= 3; }));
    // The status line shows the computer's games and the milliseconds per game.
    EXPECT_TRUE(window->statusText().ends_with(" ms")) << window->statusText();

    const SeenBox refused = AnswerNextBox([&] { window->close(); });
    EXPECT_EQ(refused.text,
              "シミュレーション中は終了できません。先にシミュレーションを止めてください。");
    EXPECT_TRUE(window->isVisible()) << "no closing while the computer plays";

    window->action(command::kSimulation)->trigger();
    EXPECT_FALSE(window->flow().simRunning);
    EXPECT_FALSE(window->simulation().running());
    EXPECT_EQ(window->flow().playMode, kPlayMode);
    EXPECT_EQ(window->flow().state.HandTileCount(), 14) << "a new game for the player";
    EXPECT_TRUE(window->button(command::kEditButton)->isEnabled());
    EXPECT_GE(window->comStats().N, 3);
    EXPECT_EQ(window->comStats().records.size(), static_cast<std::size_t>(window->comStats().N));
    EXPECT_EQ(window->flow().userStats.N, 0) << "the computer's games are not the player's";

    window->close();
    EXPECT_FALSE(window->isVisible());
    StatSummary saved;
    saved.Load("StatCom", Dir());
    EXPECT_EQ(saved.N, window->comStats().N);
}

TEST_F(WindowTest, ResultBoxesGoOnUntilAnExhaustedGameIsCancelled) {
    window->settings().SimShan = 1;
    window->flow().showResult = true;
    int wins = 0;
    int exhausted = 0;
    QTimer answerer;
    answerer.setInterval(5);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        if (box->windowTitle() == "流局") {
            ++exhausted;
            box->button(QMessageBox::Cancel)->click();
        } else {
            ++wins;
            EXPECT_EQ(box->windowTitle(), "和了");
            box->button(QMessageBox::Ok)->click();
        }
    });
    answerer.start();
    window->action(command::kSimulation)->trigger();
    ASSERT_TRUE(RunUntil([&] { return !window->flow().simRunning; }));
    EXPECT_EQ(exhausted, 1);
    EXPECT_EQ(window->comStats().N, wins + 1);
    EXPECT_EQ(window->flow().playMode, kPlayMode);
    EXPECT_EQ(window->flow().state.HandTileCount(), 14);
}

TEST_F(WindowTest, StoppingWhileAResultBoxIsOpenEndsTheRun) {
    window->settings().SimShan = 1;
    window->flow().showResult = true;
    bool stopped = false;
    OnNextModal<QMessageBox> stopper([&](QMessageBox*) {
        window->ToggleSimulation();
        stopped = true;
    });
    window->action(command::kSimulation)->trigger();
    ASSERT_TRUE(RunUntil([&] { return stopped; }));
    QTest::qWait(50);
    EXPECT_FALSE(window->flow().simRunning);
    EXPECT_FALSE(window->simulation().running());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the box went with the run";
    EXPECT_EQ(window->comStats().N, 1);
}

TEST_F(WindowTest, TheStatisticsPageIsWrittenAndOpenedOrSaysItFailed) {
    std::vector<std::string> opened;
    window->SetPageOpener([&](const std::string& path) { opened.push_back(path); });
    window->flow().userStats.N = 5;
    window->flow().userStats.nAgari = 2;
    window->comStats().N = 10;
    window->button(command::kStatisticsButton)->click();
    ASSERT_EQ(opened, std::vector<std::string>{Dir() + "Stat.htm"});
    EXPECT_EQ(ReadWholeFile(opened[0]),
              Utf8ToCp932(StatPageHtml(window->flow().userStats, window->comStats())));

    // A page that cannot be written is reported, and the previous one is not opened.
    ASSERT_TRUE(QFile::remove(File("Stat.htm")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Stat.htm"));
    const SeenBox seen = AnswerNextBox([&] { window->action(command::kStatistics)->trigger(); });
    EXPECT_EQ(seen.title, "えらーです");
    EXPECT_EQ(seen.text, "えらーです");
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(WindowTest, FunctionKeysCopyTheTextReports) {
    window->flow().userStats.N = 4;
    window->flow().userStats.nAgari = 1;
    window->flow().userStats.yakuCount[yaku::kTsumo] = 1;
    const struct {
        int id;
        QKeySequence key;
        int kind;
    } keys[] = {{command::kStatTextFigures, QKeySequence(Qt::Key_F6), 1},
                {command::kStatTextYaku, QKeySequence(Qt::Key_F7), 2},
                {command::kStatTextShanten, QKeySequence(Qt::Key_F8), 3},
                {command::kStatTextAll, QKeySequence(Qt::Key_F9), 4},
                {command::kStatTextCopy, QKeySequence(Qt::CTRL | Qt::Key_C), 4}};
    for (const auto& k : keys) {
        QApplication::clipboard()->clear();
        EXPECT_EQ(window->action(k.id)->shortcut(), k.key) << k.id;
        window->action(k.id)->trigger();
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
                  StatText(window->flow().userStats, k.kind))
            << k.id;
    }
}

}  // namespace
}  // namespace mizaro::testing
