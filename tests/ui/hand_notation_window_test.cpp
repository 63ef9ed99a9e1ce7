#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeySequence>
#include <set>

#include "app/hand_slots.h"
#include "app/ui/command_ids.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

QString ClipboardText() {
    return QGuiApplication::clipboard()->text();
}

// Runs `action`; the text dialog it opens is answered: its starting text is kept in `offered`
// and it is accepted as it stands.
template <typename Action>
void AcceptTextDialog(Action action, QString* offered) {
    OnNextModal<QInputDialog> accept([offered](QInputDialog* dialog) {
        *offered = dialog->textValue();
        dialog->accept();
    });
    action();
}

TEST_F(WindowTest, ACopiedHandReadsBackAsTheSamePosition) {
    const KyokuState copied = window->flow().state;
    ASSERT_EQ(copied.HandTileCount(), 14);
    window->action(command::kCopyHandText)->trigger();
    const QString text = ClipboardText();
    EXPECT_TRUE(text.contains(QStringLiteral(" dora="))) << text.toStdString();

    window->flow().NewGame();
    QString offered;
    AcceptTextDialog([&] { window->action(command::kReadHandText)->trigger(); }, &offered);
    EXPECT_EQ(offered, text) << "the clipboard is offered";
    const KyokuState& read = window->flow().state;
    EXPECT_EQ(read.hand, copied.hand);
    EXPECT_EQ(read.lastDraw, copied.lastDraw);
    EXPECT_EQ(DoraIndicatorKind(read), DoraIndicatorKind(copied));
    EXPECT_EQ(read.turn, 1);
    EXPECT_TRUE(window->flow().noRecord) << "a position set up by hand is never recorded";
}

// The hand is not ready, so its draw can never win and deal the next game.
TEST_F(WindowTest, AThirteenTileHandIsPlayedOnFromItsDraw) {
    QGuiApplication::clipboard()->setText(QStringLiteral("\n  19m19p19s1234455z dora=1z\n"));
    QString offered;
    AcceptTextDialog([&] { window->action(command::kReadHandText)->trigger(); }, &offered);
    EXPECT_EQ(offered, QStringLiteral("19m19p19s1234455z dora=1z"));
    EXPECT_EQ(window->flow().state.HandTileCount(), 14);
    EXPECT_EQ(DoraIndicatorKind(window->flow().state), kEast);
}

TEST_F(WindowTest, AMalformedHandIsRefusedWithItsReasonAndChangesNothing) {
    const KyokuState before = window->flow().state;
    // Typed by a Japanese input method: full-width letters and digits read as ASCII.
    QGuiApplication::clipboard()->setText(QStringLiteral("１２３ｍ456p789s112z　dora=5p"));
    QString offered;
    const SeenBox seen = AnswerNextBox([&] {
        AcceptTextDialog([&] { window->action(command::kReadHandText)->trigger(); }, &offered);
    });
    EXPECT_EQ(seen.title, QStringLiteral("手牌を文字から読込"));
    EXPECT_TRUE(seen.text.endsWith(QStringLiteral("手牌が12枚です。13枚か14枚にしてください。")));
    EXPECT_EQ(window->flow().state.hand, before.hand);
    EXPECT_EQ(window->flow().state.wall, before.wall);
    EXPECT_EQ(window->flow().state.dora, before.dora);
    EXPECT_FALSE(window->flow().noRecord);
}

// No key answers two commands, and the new items keep off the keys of the other commands.
TEST_F(WindowTest, EveryKeyBelongsToOneCommand) {
    std::set<QString> seen;
    for (QAction* a : window->findChildren<QAction*>()) {
        for (const QKeySequence& key : a->shortcuts()) {
            const QString name = key.toString();
            EXPECT_TRUE(seen.insert(name).second) << "twice: " << name.toStdString();
        }
    }
    const std::set<QString> others = {"F3",          "Ctrl+F3", "F4",      "F6",
                                      "F7",          "F8",      "F9",      "F10",
                                      "Ctrl+F10",    "Ctrl+C",  "Ctrl+F9", "Ctrl+Shift+F9",
                                      "Ctrl+Shift+C"};
    for (int id : {command::kCopyHandText, command::kReadHandText}) {
        const QString key = window->action(id)->shortcut().toString();
        EXPECT_FALSE(key.isEmpty());
        EXPECT_EQ(others.count(key), 0u) << key.toStdString();
    }
}

}  // namespace
}  // namespace mizaro::testing
