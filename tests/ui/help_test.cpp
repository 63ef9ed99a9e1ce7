// The help the window gives: the page F1 opens explains every mark, level, command and key the
// window has; every menu item does something; every control of the table says what it does.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <fstream>
#include <sstream>

#include "analysis/position_line.h"
#include "app/assist_marks.h"
#include "app/hand_text.h"
#include "app/ui/command_ids.h"
#include "app/ui/detail_dialog.h"
#include "platform/help_location.h"
#include "platform/program_directory.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

// Ready, with a lone East as the draw: every menu item is enabled on it.
constexpr const char* kReady = "234567m24p678s55z1z turn=4 dora=5p";

void CollectActions(QMenu* menu, std::vector<QAction*>& items, QStringList& names) {
    names << menu->title();
    for (QAction* a : menu->actions()) {
        if (a->menu() != nullptr) {
            CollectActions(a->menu(), items, names);
        } else if (!a->isSeparator()) {
            items.push_back(a);
            names << a->text().section(QLatin1Char('\t'), 0, 0);
        }
    }
}

std::vector<QAction*> MenuItems(MainWindow& w, QStringList* names = nullptr) {
    std::vector<QAction*> items;
    QStringList collected;
    for (QAction* top : w.menuBar()->actions())
        if (top->menu() != nullptr) CollectActions(top->menu(), items, collected);
    if (names != nullptr) *names = collected;
    return items;
}

class HelpTest : public WindowTest {
  protected:
    HelpTest() { Watch(); }
    void Watch() {
        window->SetPageOpener([this](const std::string& page) { opened.push_back(page); });
    }
    std::vector<std::string> opened;
};

TEST_F(HelpTest, ThePageExplainsEveryMarkLevelCommandAndKey) {
    const std::string path = FindHelpPage(ProgramDirectory(), kHelpDefaultLanguage);
    ASSERT_FALSE(path.empty()) << "no help page beside " << ProgramDirectory();
    std::stringstream read;
    read << std::ifstream(path).rdbuf();
    const QString page = QString::fromStdString(read.str());
    ASSERT_TRUE(page.contains(QStringLiteral("<meta charset=\"utf-8\">")));

    QStringList expected;  // entries the page must hold, as the page writes them
    for (int mark = kNoMark; mark <= kBestMark; ++mark) {
        const std::string_view text = AssistMarkText(mark);
        if (!text.empty())
            expected << QStringLiteral("class=\"mark\">%1<")
                            .arg(QString::fromUtf8(text.data(), text.size()));
    }
    for (int i = 0; i < window->assistCombo()->count(); ++i)
        expected << QStringLiteral("class=\"level\">%1<").arg(window->assistCombo()->itemText(i));
    // Names of controls in 「」: the menus, their items and the table's buttons. A one-character
    // item is a number of a setting the page explains under its submenu's name.
    QStringList names;
    MenuItems(*window, &names);
    for (QAbstractButton* b : window->table()->findChildren<QAbstractButton*>()) names << b->text();
    names << QStringLiteral("アシスト表示");
    for (const QString& name : names)
        if (name.size() > 1) expected << QStringLiteral("「%1」").arg(name);
    for (QAction* a : window->findChildren<QAction*>())
        for (const QKeySequence& key : a->shortcuts())
            expected
                << QStringLiteral("<kbd>%1</kbd>").arg(key.toString(QKeySequence::PortableText));

    expected.removeDuplicates();
    for (const QString& entry : expected)
        EXPECT_TRUE(page.contains(entry)) << "the help page lacks " << entry.toStdString();
}

TEST_F(HelpTest, HelpMenuOpensTheHelpPageAndTheHomePage) {
    window->action(command::kOnlineHelp)->trigger();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], FindHelpPage(ProgramDirectory(), kHelpDefaultLanguage));

    window->action(command::kAuthorPage)->trigger();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_TRUE(opened[1].starts_with("https://") || opened[1].starts_with("http://")) << opened[1];

    // A program without its help says so instead of opening nothing.
    window->SetProgramDirectory(Dir());
    const SeenBox box = AnswerNextBox([&] { window->action(command::kOnlineHelp)->trigger(); });
    EXPECT_EQ(box.title, QStringLiteral("ヘルプ"));
    EXPECT_TRUE(box.text.contains(QStringLiteral("見つかりません"))) << box.text.toStdString();
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(HelpTest, EveryControlOfTheTableSaysWhatItDoesInOneLine) {
    QList<QWidget*> controls;
    for (QAbstractButton* b : window->table()->findChildren<QAbstractButton*>()) controls << b;
    controls << window->assistCombo();
    ASSERT_GE(controls.size(), 9);
    for (QWidget* w : controls) {
        EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();
        EXPECT_FALSE(w->toolTip().contains(QLatin1Char('\n'))) << w->objectName().toStdString();
    }
}

// Answers every modal window with Cancel while it lives, counting them.
class CancelEveryModal {
  public:
    CancelEveryModal() {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return;
            ++seen;
            dialog->reject();
        });
        poll_.start();
    }
    int seen = 0;

  private:
    QTimer poll_;
};

// What a command can change that the player sees.
struct Seen {
    std::string table;
    int mode = 0;
    bool showResult = false, showShanten = false, simDisp = false, simRunning = false;
    bool visible = false, detailShown = false;
    int depth = 0, simLevel = 0;
    std::string clipboard;
    bool operator==(const Seen&) const = default;
};

Seen Look(MainWindow& w) {
    const GameFlow& f = w.flow();
    return {FormatHandText(f.state) + " " + std::to_string(f.state.turn),
            f.state.mode,
            f.showResult,
            w.showShanten(),
            f.simDisp,
            f.simRunning,
            w.isVisible(),
            w.detailDialog()->isVisible(),
            w.settings().NanikiruDepth,
            w.settings().SimShan,
            QGuiApplication::clipboard()->text().toStdString()};
}

TEST_F(HelpTest, EveryMenuItemDoesSomething) {
    const size_t items = MenuItems(*window).size();
    ASSERT_GT(items, 30u);
    // Each item on a fresh window with a ready hand; an item that chooses what is already
    // chosen (a mode, a setting) gets a second window where another choice is set.
    for (size_t i = 0; i < items; ++i) {
        bool acted = false;
        QString text;
        for (int start = 0; start < 2 && !acted; ++start) {
            Open();
            Watch();
            if (start == 0) {
                window->flow().PositionLoaded(ParsePositionLine(kReady).state);
            } else {
                window->flow().SetMode(kModeKokushi);
                window->settings().NanikiruDepth = 5;
                window->settings().SimShan = 3;
            }
            window->show();
            window->UpdateCommands();
            QGuiApplication::clipboard()->clear();
            QAction* item = MenuItems(*window)[i];
            text = item->text();
            ASSERT_TRUE(item->isEnabled()) << text.toStdString();
            const Seen before = Look(*window);
            opened.clear();
            CancelEveryModal modals;
            item->trigger();
            QApplication::processEvents();
            acted = modals.seen > 0 || !opened.empty() || !(Look(*window) == before);
            if (window->flow().simRunning) window->ToggleSimulation();
        }
        EXPECT_TRUE(acted) << "the menu item " << text.toStdString() << " does nothing";
    }
}

}  // namespace
}  // namespace mizaro::testing
