// The drill window: an answer graded and scheduled, a wrong one back in the sitting, the pages
// of a problem, and a harvest cut short by the close.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <filesystem>

#include "../analysis/search_time.h"
#include "../stats/ten_games.h"
#include "analysis/report_page.h"
#include "app/ui/command_ids.h"
#include "app/ui/drill_window.h"
#include "app/ui/table_layout.h"
#include "core/hand_notation.h"
#include "platform/read_file.h"
#include "platform/text_encoding.h"
#include "stats/drill_schedule.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

// The hand 123m456p789s11z 567z with 7z drawn and made-up values: 7z best, 6z within 0.5 %.
DrillProblem Problem(int id) {
    DrillProblem p;
    p.id = id;
    p.position.turn = 2;
    p.position.hand = ParseTiles("123m456p789s11567z").counts;
    p.position.drawn = ParseTile("7z");
    p.position.doraIndicator = ParseTile("9s");
    p.position.discards = {ParseTile("4z")};
    p.candidates = {{ParseTile("5z"), 900.0, 0.25, 0.5},
                    {ParseTile("6z"), 996.0, 0.3, 0.6},
                    {ParseTile("7z"), 1000.0, 0.31, 0.61}};
    p.made = ParseTile("5z");
    p.best[ParseTile("7z")] = true;
    p.madeValue = 900.0;
    p.bestValue = 1000.0;
    p.loss = 100.0;
    return p;
}

template <typename Done>
bool WaitFor(Done done, int ms = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

class DrillWindowTest : public WindowTest {
  protected:
    // A deck of new problems, two unless told, and the window on it with its drill open.
    void OpenOnDeck(std::vector<DrillProblem> problems = {Problem(0), Problem(1)}) {
        DrillDeck deck;
        deck.name = "default";
        deck.nextId = static_cast<int>(problems.size());
        deck.problems = std::move(problems);
        ASSERT_TRUE(deck.Save(Dir()));
        Open();
        window->SetPageOpener([this](const std::string& path) { opened.push_back(path); });
        drill()->Open();
        ASSERT_TRUE(WaitFor([this] { return !drill()->preparing(); }));
    }
    DrillWindow* drill() { return window->drillWindow(); }
    QPushButton* Button(const char* caption) {
        for (QPushButton* b : drill()->findChildren<QPushButton*>())
            if (b->text() == QString::fromUtf8(caption)) return b;
        ADD_FAILURE() << "no button " << caption;
        return nullptr;
    }

    std::vector<std::string> opened;
};

TEST_F(DrillWindowTest, AnAnswerIsGradedScheduledAndAWrongOneComesBackInTheSitting) {
    struct Row {
        std::vector<Qt::Key> keys;
        int clickedSlot;  // -1: the keys only
        const char* verdict;
    };
    // Slots: 1m..9s at 0..8, 1z 1z 5z 6z at 9..12, the drawn 7z at 13; the arrows start from
    // 13. The third row discards 1z, which the search never valued.
    const Row rows[] = {
        {{Qt::Key_Space}, -1, "正解"},
        {{Qt::Key_Left, Qt::Key_Left, Qt::Key_Down}, -1, "正解"},
        {{Qt::Key_Left, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down},
         -1,
         "不正解"},
        {{}, 11, "不正解"}};
    const int today = DrillDay(std::time(nullptr));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.verdict);
        ASSERT_NO_FATAL_FAILURE(OpenOnDeck());
        window->UpdateCommands();
        EXPECT_EQ(window->action(command::kDrill)->text(), "ドリル (復習 0 / 新規 2)\tCtrl + d");
        const int first = drill()->card()->problemId;
        for (Qt::Key key : row.keys) QTest::keyClick(drill(), key);
        if (row.clickedSlot >= 0) {
            QTest::mouseClick(drill()->findChild<QWidget*>(QStringLiteral("table")), Qt::LeftButton,
                              {}, layout::HandTile(row.clickedSlot).center());
        }
        EXPECT_EQ(drill()->verdict(), QString::fromUtf8(row.verdict));
        const bool right = std::string(row.verdict) == "正解";
        // A right first answer starts the repetitions; either way it is due tomorrow.
        DrillDeck saved;
        saved.Load("default", Dir());
        ASSERT_NE(saved.Find(first), nullptr);
        EXPECT_EQ(saved.Find(first)->schedule.repetitions, right ? 1 : 0);
        EXPECT_EQ(saved.Find(first)->schedule.due, today + 1);

        // The other problem, answered right; then the wrong one again, or the end.
        Button("次へ")->click();
        ASSERT_TRUE(WaitFor([this] { return !drill()->preparing(); }));
        EXPECT_NE(drill()->card()->problemId, first);
        QTest::keyClick(drill(), Qt::Key_Space);
        Button("次へ")->click();
        ASSERT_TRUE(WaitFor([this] { return !drill()->preparing(); }));
        if (right) {
            EXPECT_EQ(drill()->card(), nullptr);
        } else {
            ASSERT_NE(drill()->card(), nullptr);
            EXPECT_EQ(drill()->card()->problemId, first);
        }
    }
}

TEST_F(DrillWindowTest, TheButtonsOpenTheReportOfTheShownPositionAndTheProgressPage) {
    ASSERT_NO_FATAL_FAILURE(OpenOnDeck());
    window->settings().NanikiruDepth = 2;
    EXPECT_FALSE(Button("何切る？ページ")->isEnabled()) << "the report would tell the answer";
    QTest::keyClick(drill(), Qt::Key_Space);
    Button("何切る？ページ")->click();
    ASSERT_EQ(opened, std::vector<std::string>{Dir() + "Report.htm"});
    KyokuState state;
    ASSERT_TRUE(BuildProblemState(drill()->card()->position, state));
    const std::optional<std::string> written = ReadWholeFile(Dir() + "Report.htm");
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(WithoutSearchTime(Cp932ToUtf8(*written).value_or("")),
              WithoutSearchTime(ReportPageFor(state, 0, 2).text));

    Button("進捗ページ")->click();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], Dir() + "Drill.htm");
}

// A save that fails is told once, not at every answer, and again only after one succeeded; a
// display choice that cannot be stored is told as well.
TEST_F(DrillWindowTest, SavesThatFailAreToldOnceUntilOneSucceeds) {
    ASSERT_NO_FATAL_FAILURE(OpenOnDeck({Problem(0), Problem(1), Problem(2)}));
    // A directory where the file goes: the renaming into place fails, even for root.
    const std::string file = Dir() + DrillFileName("default");
    ASSERT_TRUE(std::filesystem::remove(file) && std::filesystem::create_directory(file));
    const SeenBox told = AnswerNextBox([this] { QTest::keyClick(drill(), Qt::Key_Space); });
    EXPECT_EQ(told.title, "ドリル");
    EXPECT_TRUE(told.text.contains(QString::fromStdString(file)));
    {
        const NoModalExpected quiet;
        Button("次へ")->click();
        ASSERT_TRUE(WaitFor([this] { return !drill()->preparing(); }));
        QTest::keyClick(drill(), Qt::Key_Space);
        std::filesystem::remove(file);
        Button("次へ")->click();
        ASSERT_TRUE(WaitFor([this] { return !drill()->preparing(); }));
        QTest::keyClick(drill(), Qt::Key_Space);
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(file));

    const std::string display = window->display().path;
    std::filesystem::remove(display);
    ASSERT_TRUE(std::filesystem::create_directory(display));
    EXPECT_EQ(AnswerNextBox([this] { window->SetTileNumbers(true); }).title, "表示");
}

// A problem met at a table, added once to the drill of a sitting over, is saved and shown:
// where it was met, the player's discard number, both indicators, no earlier discards, and
// its name as the text it is.
TEST_F(DrillWindowTest, ATableProblemShowsItsSeatAndIndicators) {
    DrillProblem p = Problem(0);
    p.position.discards.clear();
    DrillTable& table = p.position.table.emplace();
    table.roundWind = ParseTile("2z");
    table.seatWind = ParseTile("3z");
    table.dealer = false;
    table.unseen = ParseTiles("4444m2233p").counts;
    table.laterIndicators = {ParseTile("3p"), ParseTile("4p"), ParseTile("5p"), ParseTile("6p")};
    table.source = "<b>1</b>.mjlog";
    table.kyoku = 3;
    table.discardNumber = 9;
    ASSERT_NO_FATAL_FAILURE(OpenOnDeck({}));
    EXPECT_EQ(drill()->AddTableProblems({p, p}), 1);
    ASSERT_TRUE(WaitFor([this] { return drill()->card() != nullptr; }));
    DrillDeck saved;
    saved.Load("default", Dir());
    ASSERT_EQ(saved.problems.size(), 1u);
    const auto shown = [this](const QString& text, const QRect& where) {
        for (QLabel* l : drill()->findChildren<QLabel*>())
            if (l->isVisible() && (text.isEmpty() ? l->geometry() == where : l->text() == text))
                return true;
        return false;
    };
    EXPECT_TRUE(shown(QString::fromUtf8("南場 西家（子）\n南3局\n<b>1</b>.mjlog"), {}));
    EXPECT_TRUE(shown(QString::fromUtf8("9巡目　何を切る？"), {}));
    EXPECT_TRUE(shown({}, layout::kDoraTile));
    EXPECT_TRUE(shown({}, layout::kDoraTile.translated(0, layout::Px(layout::kDiscardRowStep))));
    EXPECT_FALSE(shown({}, layout::DiscardTile(1, 0)));
    // The fourth indicator, left of the first, keeps clear of the text.
    const QRect fourth = layout::kDoraTile.translated(-layout::Px(layout::kTileStep), 0);
    EXPECT_TRUE(shown({}, fourth));
    for (QLabel* l : drill()->findChildren<QLabel*>()) {
        if (l->text().contains(QStringLiteral("mjlog"))) {
            EXPECT_FALSE(l->geometry().intersects(fourth));
        }
    }
}

class DrillWindowThreadTest : public WindowTest {};

TEST_F(DrillWindowThreadTest, ClosingDuringAHarvestKeepsTheGamesItFinished) {
    window->flow().userStats.records = TenGames();
    window->drillWindow()->HarvestNewGames();
    ASSERT_TRUE(WaitFor([this] { return window->drillWindow()->harvester().done() >= 1; }));
    QElapsedTimer clock;
    clock.start();
    window->close();
    // The stop is seen between games: at most the game under way is finished first.
    EXPECT_LT(clock.elapsed(), 15000);
    EXPECT_FALSE(window->drillWindow()->harvester().busy());
    DrillDeck saved;
    saved.Load("default", Dir());
    EXPECT_GE(saved.harvestedGames, 1);
    EXPECT_LT(saved.harvestedGames, 10);
    EXPECT_EQ(saved.HarvestStart(window->flow().userStats.records), saved.harvestedGames);
    for (const DrillProblem& p : saved.problems) EXPECT_LT(p.game, saved.harvestedGames);
}

}  // namespace
}  // namespace mizaro::testing
