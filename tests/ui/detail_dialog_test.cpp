#include "app/ui/detail_dialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/ui/command_ids.h"
#include "app/ui/program_font.h"
#include "app/ui/progress_dialog.h"
#include "tests/app/played_games.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

class DetailWindowTest : public WindowTest {
  protected:
    DetailDialog& detail() { return *window->detailDialog(); }
    QString Cell(int page, int list, int row, int column) {
        return detail().list(page, list)->topLevelItem(row)->text(column);
    }
    // F10, with the progress window answered by `answer` once it is open.
    template <typename Answer>
    void RunF10(Answer answer) {
        OnNextModal<ProgressDialog> answerer(answer);
        window->action(command::kDetailAnalysis)->trigger();
    }
    void RunF10ToTheEnd() {
        RunF10([](ProgressDialog*) {});
    }
};

TEST_F(DetailWindowTest, F10WithoutGamesShowsEmptyTotals) {
    EXPECT_FALSE(detail().isVisible());
    EXPECT_EQ(detail().windowTitle(), QStringLiteral("Mizaro  詳細解析ダイアログ"));
    window->flow().userStats.records.clear();
    QString title;
    RunF10([&](ProgressDialog* p) { title = p->windowTitle(); });
    EXPECT_EQ(title, QStringLiteral("解析中"));
    EXPECT_TRUE(detail().isVisible());
    EXPECT_EQ(Cell(0, kLeftList, 0, 1), QStringLiteral("0"));
    EXPECT_EQ(Cell(0, kLeftList, 1, 1), QStringLiteral("    0.00"));
    EXPECT_EQ(Cell(3, kLeftList, 0, 2), QStringLiteral("0.000"));
    EXPECT_EQ(detail().list(2, kLeftList)->topLevelItemCount(), 0);
    EXPECT_TRUE(detail().skippedLine()->text().isEmpty());
}

TEST_F(DetailWindowTest, ListsShowAndCopyWhatTheAnalysisSummed) {
    std::vector<GameRecord> records = PlayGames(40, kModeNormal, 31).stats.records;
    records[4].draws[2] = kNoTile;  // cannot be replayed
    window->flow().userStats.records = records;
    RunF10ToTheEnd();
    EXPECT_EQ(detail().analysis().games.size(), 39u);
    EXPECT_EQ(Cell(0, kLeftList, 0, 1), QStringLiteral("39"));
    EXPECT_TRUE(detail().skippedLine()->text().contains(QStringLiteral("1 局")));
    for (const DetailListId id : kDetailLists) {
        EXPECT_EQ(DetailDialog::ListViewText(detail().list(id.page, id.list)),
                  ListCopyText(DetailList(id, detail().analysis().totals)))
            << id.page << " " << id.list;
    }
}

// In the program's font no list cell is cut short; the title says whose games are shown.
TEST_F(DetailWindowTest, EveryTextFitsItsPlace) {
    detail().setFont(ProgramFont());
    window->comStats().records = PlayGames(40, kModeNormal, 34).stats.records;
    OnNextModal<ProgressDialog> toTheEnd([](ProgressDialog*) {});
    window->action(command::kDetailAnalysisCom)->trigger();
    EXPECT_EQ(detail().windowTitle(), QStringLiteral("Mizaro  詳細解析ダイアログ(COM)"));
    for (const QTreeWidget* view : detail().findChildren<QTreeWidget*>())
        for (int c = 0; c < view->columnCount(); ++c) {
            int widest = view->header()->sectionSizeHint(c);
            for (int r = 0; r < view->topLevelItemCount(); ++r)  // 6: the item's text margins
                widest = std::max(
                    widest,
                    view->fontMetrics().horizontalAdvance(view->topLevelItem(r)->text(c)) + 6);
            EXPECT_GE(view->columnWidth(c), widest) << view->objectName().toStdString() << c;
        }
    detail().tabs()->setCurrentIndex(2);
    for (const int language : {2, 1}) {
        window->action(command::kLanguageFirst + language)->trigger();
        detail().resize(900, 560);
        QApplication::processEvents();
        ASSERT_EQ(detail().size(), QSize(900, 560));
        EXPECT_FALSE(detail().list(2, kLeftList)->horizontalScrollBar()->isVisible()) << language;
        const QListWidget* yaku = detail().yakuList();
        EXPECT_TRUE(yaku->viewport()->rect().contains(yaku->visualItemRect(yaku->item(5))));
    }
}

TEST_F(DetailWindowTest, StopLeavesThePagesAndEnterShowsWhatWasReplayed) {
    window->flow().userStats.records = PlayGames(40, kModeNormal, 32).stats.records;
    RunF10ToTheEnd();
    detail().hide();
    const std::string before = DetailDialog::ListViewText(detail().list(0, kLeftList));

    // Long enough that the button is pressed while it runs.
    std::vector<GameRecord> many;
    for (int copy = 0; copy < 500; ++copy)
        many.insert(many.end(), window->flow().userStats.records.begin(),
                    window->flow().userStats.records.end());
    window->flow().userStats.records = many;
    bool inert = false;
    RunF10([&](ProgressDialog* p) {
        inert = !detail().filterBox()->isEnabled();
        p->stopButton()->click();
    });
    EXPECT_TRUE(inert);
    EXPECT_FALSE(detail().isVisible());
    EXPECT_TRUE(detail().filterBox()->isEnabled());
    EXPECT_EQ(DetailDialog::ListViewText(detail().list(0, kLeftList)), before);
    EXPECT_EQ(detail().analysis().games.size(), 40u);
    // A filter change after the stop still reads the games of the last finished analysis.
    detail().applyButton()->click();
    EXPECT_EQ(Cell(0, kLeftList, 0, 1), QStringLiteral("40"));

    RunF10([](ProgressDialog* p) { QTest::keyClick(p, Qt::Key_Return); });
    EXPECT_TRUE(detail().isVisible());
    EXPECT_LE(detail().analysis().games.size(), many.size());
    EXPECT_EQ(Cell(0, kLeftList, 0, 1).toInt(),
              static_cast<int>(detail().analysis().selected.size()));
}

TEST_F(DetailWindowTest, ControlsFilterAtOnceAndKeepTheirValues) {
    window->flow().userStats.records = PlayGames(40, kModeNormal, 33).stats.records;
    RunF10ToTheEnd();
    Settings& s = window->settings();

    // The ranges push each other.
    detail().rangeCombo(1075)->setCurrentIndex(3);
    detail().rangeCombo(1074)->setCurrentIndex(5);
    EXPECT_EQ(detail().rangeCombo(1075)->currentIndex(), 5);
    EXPECT_EQ(s.FilterHai1, 4);
    EXPECT_EQ(s.FilterHai2, 4);
    detail().rangeCombo(1075)->setCurrentIndex(0);
    EXPECT_EQ(detail().rangeCombo(1074)->currentIndex(), 0);
    EXPECT_EQ(s.FilterHai1, -1);
    EXPECT_EQ(s.FilterHai2, -1);
    EXPECT_EQ(Cell(0, kLeftList, 0, 1).toInt(),
              static_cast<int>(detail().analysis().selected.size()));
    detail().rangeCombo(1075)->setCurrentIndex(7);

    // Without riichi games nothing riichi is counted.
    detail().riichiBox(true)->setChecked(false);
    EXPECT_EQ(s.FilterReach1, 0);
    EXPECT_EQ(Cell(0, kLeftList, 7, 1), QStringLiteral("0"));
    detail().riichiBox(true)->setChecked(true);

    // Typing a count applies it; the list's items wait for the next apply.
    detail().recentCombo()->setCurrentIndex(0);
    EXPECT_EQ(s.FilterKyoku, 1000);
    detail().applyButton()->click();
    EXPECT_EQ(s.FilterKyoku, 100);
    detail().recentCombo()->clearEditText();
    QTest::keyClicks(detail().recentCombo()->lineEdit(), "7");
    EXPECT_EQ(s.FilterKyoku, 7);
    EXPECT_EQ(Cell(0, kLeftList, 0, 1), QStringLiteral("7"));
    detail().recentCombo()->lineEdit()->selectAll();
    QTest::keyClicks(detail().recentCombo()->lineEdit(), "x");
    EXPECT_EQ(s.FilterKyoku, 7);

    detail().yakuModeGroup()->button(1)->setChecked(true);
    detail().yakuList()->item(yaku::kTsumo)->setSelected(true);
    EXPECT_EQ(s.FilterYaku[yaku::kTsumo], '1');
    EXPECT_EQ(s.FilterYakuMode, 1);
    detail().clearButton()->click();
    EXPECT_EQ(s.FilterYakuMode, 0);
    EXPECT_EQ(s.FilterYaku, std::string(kYakuCount, '0'));

    detail().modeGroup()->button(kModeKokushi)->setChecked(true);
    EXPECT_EQ(s.FilterMode, kModeKokushi);
    EXPECT_EQ(Cell(0, kLeftList, 0, 1), QStringLiteral("0"));
}

TEST_F(DetailWindowTest, PageSwitchIsKeptInTheSettings) {
    detail().tabs()->setCurrentIndex(3);
    EXPECT_EQ(window->settings().AnaSelectTab, 3);
    window->close();
    Open();
    EXPECT_EQ(detail().tabs()->currentIndex(), 3);
    const QStringList labels = {"概要", "向聴数", "和了点", "牌", "役"};
    for (int i = 0; i < labels.size(); ++i) EXPECT_EQ(detail().tabs()->tabText(i), labels[i]);
}

}  // namespace
}  // namespace mizaro::testing
