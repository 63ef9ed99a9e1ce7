// The help the window gives: the page F1 opens in each language explains every mark, level,
// control and key of the window in that language, every control of the table has a tooltip, and
// every menu item does something.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include "analysis/position_line.h"
#include "app/assist_marks.h"
#include "app/hand_text.h"
#include "app/ui/command_ids.h"
#include "app/ui/detail_dialog.h"
#include "app/ui/drill_window.h"
#include "platform/read_file.h"
#include "platform/version.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

// A text as the player reads it: without the shortcut after the tab or the mnemonic's marker.
QString Shown(const QString& text) {
    return text.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}

// Every menu item, submenus included; `names` gets the menus' titles and the items' texts.
std::vector<QAction*> MenuItems(MainWindow& w, QStringList& names) {
    std::vector<QAction*> items;
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
        names << Shown(menu->title());
        for (QAction* a : menu->actions()) {
            if (a->menu() != nullptr || a->isSeparator()) continue;
            items.push_back(a);
            names << Shown(a->text());
        }
    }
    return items;
}

class HelpTest : public WindowTest {
  protected:
    HelpTest() { Watch(); }
    void Watch() {
        window->SetPageOpener([this](const std::string& p) { opened.push_back(p); });
    }
    std::vector<std::string> opened;
};

// A help page, the window language it serves, and how it quotes a text the window shows.
struct HelpLanguage {
    const char* code;
    LanguageChoice choice;
    const char16_t* open;
    const char16_t* close;
    const char16_t* helpTitle;  // of the box that says the page is missing
};

void PrintTo(const HelpLanguage& l, std::ostream* os) {
    *os << l.code;
}

class HelpPageTest : public HelpTest, public ::testing::WithParamInterface<HelpLanguage> {
  protected:
    HelpPageTest() {
        window->SetLanguageChoice(GetParam().choice);
        QApplication::processEvents();  // the widgets retranslate on the posted language change
    }
    // The page of the language itself, not the Japanese page it would fall back to.
    static std::string Page() {
        return ProgramDirectory() + "help/" + GetParam().code + "/index.html";
    }
};

INSTANTIATE_TEST_SUITE_P(
    Languages, HelpPageTest,
    ::testing::Values(HelpLanguage{"ja", LanguageChoice::kJapanese, u"「", u"」", u"ヘルプ"},
                      HelpLanguage{"en", LanguageChoice::kEnglish, u"“", u"”", u"Help"}),
    [](const auto& tested) { return std::string(tested.param.code); });

TEST_P(HelpPageTest, ThePageExplainsEveryMarkLevelControlAndKey) {
    const QString page = QString::fromStdString(ReadWholeFile(Page()).value_or(""));
    ASSERT_FALSE(page.isEmpty()) << Page();
    QStringList names = {QCoreApplication::translate("mizaro::MainWindow", "アシスト表示")};
    QStringList expected, marks;
    MenuItems(*window, names);
    for (int mark = 0; mark <= kBestMark; ++mark)
        marks << QString::fromStdString(std::string(AssistMarkText(mark)));
    for (const QString& mark : marks) expected << QStringLiteral("class=\"mark\">%1<").arg(mark);
    for (int i = 0; i < window->assistCombo()->count(); ++i)
        expected << QStringLiteral("class=\"level\">%1<").arg(window->assistCombo()->itemText(i));
    QList<QWidget*> controls = {window->assistCombo()};
    for (QAbstractButton* b : window->table()->findChildren<QAbstractButton*>()) {
        names << b->text();
        controls << b;
    }
    // A one-character item is a setting's number, explained under its submenu's name.
    const QString open = QString::fromUtf16(GetParam().open);
    const QString close = QString::fromUtf16(GetParam().close);
    for (const QString& name : names)
        if (name.size() > 1) expected << open + name + close;
    for (QAction* a : window->findChildren<QAction*>())
        for (const QKeySequence& key : a->shortcuts())
            expected << QStringLiteral("<kbd>%1</kbd>").arg(key.toString());
    for (const QString& entry : expected)
        EXPECT_TRUE(page.contains(entry)) << "the help page lacks " << entry.toStdString();
    for (QWidget* w : controls)
        EXPECT_FALSE(w->toolTip().isEmpty() || w->toolTip().contains(QLatin1Char('\n')))
            << w->objectName().toStdString();
    if (GetParam().choice != LanguageChoice::kEnglish) return;
    // Kana, kanji and full-width forms only where the language menu names itself, and the marks.
    QString rest = page;
    rest.remove(QStringLiteral("日本語")).remove(QStringLiteral("言語"));
    for (const QString& mark : marks) rest.remove(mark);
    const qsizetype at = rest.indexOf(QRegularExpression(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]")));
    EXPECT_EQ(at, -1) << rest.mid(at - 30, 60).toStdString();
}

TEST_P(HelpPageTest, HelpMenuOpensTheHelpPageAndTheHomePage) {
    window->action(command::kOnlineHelp)->trigger();
    window->action(command::kAuthorPage)->trigger();
    EXPECT_EQ(opened, (std::vector<std::string>{Page(), ProgramHomeUrl()}));
    // A program without its help says so instead of opening nothing.
    window->SetProgramDirectory(Dir());
    const SeenBox box = AnswerNextBox([&] { window->action(command::kOnlineHelp)->trigger(); });
    EXPECT_EQ(box.title, QString::fromUtf16(GetParam().helpTitle));
    EXPECT_EQ(opened.size(), 2u);
}

// What a command can change that the player sees.
std::string Look(MainWindow& w) {
    const GameFlow& f = w.flow();
    const Settings& s = w.settings();
    return FormatHandText(f.state) + QGuiApplication::clipboard()->text().toStdString() +
           QString::asprintf("%d %d %d %d %d%d%d%d%d%d%d %d%d", f.state.turn, f.state.mode,
                             s.NanikiruDepth, s.SimShan, f.showResult, w.showShanten(), f.simDisp,
                             f.simRunning, w.isVisible(), w.detailDialog()->isVisible(),
                             w.drillWindow()->isVisible(), static_cast<int>(w.display().language),
                             w.display().tileNumbers)
               .toStdString();
}

TEST_F(HelpTest, EveryMenuItemDoesSomething) {
    QStringList unused;
    const size_t count = MenuItems(*window, unused).size();
    ASSERT_GT(count, 30u);
    // Each item on a fresh window with a ready hand; an item that chooses what is already
    // chosen (a mode, a setting) gets a second window where other choices are set.
    for (size_t i = 0; i < count; ++i) {
        bool acted = false;
        QString text;
        for (int start = 0; start < 2 && !acted; ++start) {
            Open();
            Watch();
            if (start == 0)
                window->flow().PositionLoaded(ParsePositionLine("234567m24p678s55z1z").state);
            if (start == 1) window->flow().SetMode(kModeKokushi);
            window->settings().NanikiruDepth = window->settings().SimShan = start == 0 ? 1 : 3;
            window->SetLanguageChoice(start == 0 ? LanguageChoice::kSystem
                                                 : LanguageChoice::kEnglish);
            window->show();
            QGuiApplication::clipboard()->clear();
            QAction* item = MenuItems(*window, unused)[i];
            text = item->text();
            const std::string before = Look(*window);
            int modals = 0;
            QTimer cancel;  // answers every modal window with Cancel
            QObject::connect(&cancel, &QTimer::timeout, [&] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    ++modals;
                    dialog->reject();
                }
            });
            cancel.start(10);
            item->trigger();
            QApplication::processEvents();
            acted = modals > 0 || !opened.empty() || Look(*window) != before;
            opened.clear();
            if (window->flow().simRunning) window->ToggleSimulation();
        }
        EXPECT_TRUE(acted) << "the menu item " << text.toStdString() << " does nothing";
    }
}

}  // namespace
}  // namespace mizaro::testing
