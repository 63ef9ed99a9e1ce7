// The window's keys pressed as the player presses them, against the table of keys and commands;
// and the commands that end a game without recording it.
#include <QAction>
#include <QTest>

#include "app/ui/command_ids.h"
#include "app/ui/table_layout.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

// Takes the shortcut events of every command of a window before the command runs, so a key
// shows which command it reaches without opening its dialog or page.
class ShortcutCatcher : public QObject {
  public:
    explicit ShortcutCatcher(QWidget* window) {
        for (QAction* a : window->findChildren<QAction*>()) a->installEventFilter(this);
    }
    std::vector<QString> hits;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return false;
        hits.push_back(watched->objectName());
        return true;
    }
};

struct KeyRow {
    int command;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// The window's table of keys, row by row.
const KeyRow kKeys[] = {
    {57603, Qt::Key_S, Qt::ControlModifier},
    {32798, Qt::Key_O, Qt::ControlModifier},
    {1047, Qt::Key_F3, Qt::NoModifier},
    {32818, Qt::Key_F3, Qt::ControlModifier},
    {32779, Qt::Key_F4, Qt::NoModifier},
    {32813, Qt::Key_F10, Qt::NoModifier},
    {32814, Qt::Key_F10, Qt::ControlModifier},
    {32812, Qt::Key_Z, Qt::NoModifier},
    {32784, Qt::Key_Space, Qt::NoModifier},
    {32774, Qt::Key_F5, Qt::NoModifier},
    {32791, Qt::Key_F5, Qt::ShiftModifier},
    {32790, Qt::Key_F5, Qt::ControlModifier},
    {32792, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier},
    {57670, Qt::Key_F1, Qt::NoModifier},
    {32852, Qt::Key_D, Qt::ControlModifier},
    {32780, Qt::Key_F6, Qt::NoModifier},
    {32781, Qt::Key_F7, Qt::NoModifier},
    {32782, Qt::Key_F8, Qt::NoModifier},
    {32783, Qt::Key_F9, Qt::NoModifier},
    {32777, Qt::Key_C, Qt::ControlModifier},
    {32776, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier},
    {32816, Qt::Key_F9, Qt::ControlModifier},
    {32817, Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier},
    {32775, Qt::Key_Delete, Qt::NoModifier},
    {32785, Qt::Key_Up, Qt::NoModifier},
    {32786, Qt::Key_Down, Qt::NoModifier},
    {32787, Qt::Key_Right, Qt::NoModifier},
    {32788, Qt::Key_Left, Qt::NoModifier},
    {32793, Qt::Key_F2, Qt::NoModifier},
    {32789, Qt::Key_Return, Qt::NoModifier},
    {32789, Qt::Key_Enter, Qt::KeypadModifier},
    {32789, Qt::Key_Escape, Qt::NoModifier},
};

void Activate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

TEST_F(WindowTest, EachKeyReachesItsOwnCommand) {
    ASSERT_NO_FATAL_FAILURE(Activate(window.get()));
    ShortcutCatcher catcher(window.get());
    for (const KeyRow& row : kKeys) {
        const QString name = QStringLiteral("c%1").arg(row.command);
        catcher.hits.clear();
        QTest::keyClick(window.get(), row.key, row.modifiers);
        EXPECT_EQ(catcher.hits, std::vector<QString>{name})
            << QKeySequence(row.key | row.modifiers).toString().toStdString() << " for "
            << row.command;
    }
}

TEST_F(WindowTest, NewGameKeyMiddleButtonAndModeChangeRecordNothing) {
    ASSERT_NO_FATAL_FAILURE(Activate(window.get()));
    GameFlow& flow = window->flow();
    auto midGame = [&] {
        // A draw may win and deal the next game: play on until this one is under way.
        for (int i = 0; i < 100 && flow.state.turn < 3; ++i) flow.DiscardDrawnTile();
        ASSERT_FALSE(flow.noRecord);  // the game in progress would count if it ended
        ASSERT_GT(flow.state.turn, 1);
    };
    const std::pair<const char*, std::function<void()>> ends[] = {
        {"F2", [&] { QTest::keyClick(window.get(), Qt::Key_F2); }},
        {"middle button",
         [&] { QTest::mouseClick(window->table(), Qt::MiddleButton, {}, QPoint(3, 3)); }},
        {"Ctrl+F5", [&] { QTest::keyClick(window.get(), Qt::Key_F5, Qt::ControlModifier); }},
        {"F5", [&] { QTest::keyClick(window.get(), Qt::Key_F5); }},
    };
    for (const auto& [what, end] : ends) {
        ASSERT_NO_FATAL_FAILURE(midGame());
        const StatSummary before = flow.userStats;
        const int mode = flow.state.mode;
        end();
        const StatSummary& after = flow.userStats;
        // The game in progress is dropped. The new game may be won on its first draw (often in
        // a one-suit mode) and is then recorded as it should be: only such wins may be added.
        const int added = after.N - before.N;
        EXPECT_EQ(after.nAgari - before.nAgari, added) << what;
        EXPECT_EQ(after.AgariJun - before.AgariJun, added) << what << ": wins at turn 1 only";
        EXPECT_EQ(after.records.size(), before.records.size() + added) << what;
        EXPECT_EQ(flow.state.turn, 1) << what << ": a new game is dealt";
        if (std::string(what).find("F5") != std::string::npos) {
            EXPECT_NE(flow.state.mode, mode);
        }
    }
}

}  // namespace
}  // namespace mizaro::testing
