// The window's searches run under the progress window: what the player clicks or types
// meanwhile is dropped, and a cancelled search writes and copies nothing.
#include <QAction>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "analysis/position_line.h"
#include "app/ui/command_ids.h"
#include "app/ui/progress_dialog.h"
#include "app/ui/review_dialog.h"
#include "app/ui/table_layout.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

constexpr const char* kOneShanten = "123m456p789s11z57z6z turn=3 dora=1p";
constexpr const char* kReady = "234567m24p678s55z1z turn=4 dora=5p";

class BusyWindowTest : public WindowTest {
  protected:
    BusyWindowTest() {
        window->SetPageOpener([this](const std::string& path) { opened.push_back(path); });
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void Load(const char* line) {
        const PositionRequest request = ParsePositionLine(line);
        ASSERT_TRUE(request.ok()) << request.error;
        window->flow().PositionLoaded(request.state);
    }
    // A click on a hand tile and the discard key, queued as a player's input waits while the
    // window is busy.
    void QueueDiscards() {
        const QPoint tile = layout::HandTile(2).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                window->table(), new QMouseEvent(type, tile, window->table()->mapToGlobal(tile),
                                                 Qt::LeftButton, Qt::LeftButton, {}));
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QCoreApplication::postEvent(
                window.get(), new QKeyEvent(type, Qt::Key_Space, {}, QStringLiteral(" ")));
    }

    std::vector<std::string> opened;
};

TEST_F(BusyWindowTest, InputQueuedDuringASearchDiscardsNothing) {
    const struct {
        const char* position;
        int command;
    } rows[] = {{kOneShanten, command::kNanikiruKey},
                {kReady, command::kRiichiKey},
                {kOneShanten, command::kProblemText}};
    for (const auto& row : rows) {
        Load(row.position);
        const KyokuState before = window->flow().state;
        QueueDiscards();
        window->action(row.command)->trigger();
        QTest::qWait(20);  // anything still queued is delivered now
        EXPECT_EQ(window->flow().state.hand, before.hand) << row.command;
        EXPECT_EQ(window->flow().state.turn, before.turn) << row.command;
    }
    EXPECT_EQ(opened.size(), 2u);

    // The review: the input comes while its dialog closes and the game is searched.
    window->flow().NewGame();
    while (window->flow().state.turn < 3) window->flow().DiscardDrawnTile();
    const KyokuState before = window->flow().state;
    OnNextModal<ReviewDialog> review([&](ReviewDialog* dialog) {
        QueueDiscards();
        dialog->accept();
    });
    window->action(command::kReview)->trigger();
    QTest::qWait(20);
    EXPECT_EQ(window->flow().state.hand, before.hand);
    EXPECT_EQ(opened.size(), 3u);
}

TEST_F(BusyWindowTest, ACancelledSearchWritesAndCopiesNothing) {
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    const auto stop = [](ProgressDialog* p) { p->stopButton()->click(); };
    const auto escape = [](ProgressDialog* p) { QTest::keyClick(p, Qt::Key_Escape); };
    const struct {
        const char* position;
        int command;
        std::function<void(ProgressDialog*)> cancel;
    } rows[] = {{kOneShanten, command::kNanikiruKey, stop},
                {kReady, command::kRiichiKey, escape},
                {kOneShanten, command::kProblemText, stop}};
    for (const auto& row : rows) {
        Load(row.position);
        OnNextModal<ProgressDialog> cancel(row.cancel);
        window->action(row.command)->trigger();
    }
    window->flow().NewGame();
    window->flow().DiscardDrawnTile();
    OnNextModal<ReviewDialog> review([](ReviewDialog* dialog) { dialog->accept(); });
    OnNextModal<ProgressDialog> cancel(escape);
    window->action(command::kReview)->trigger();

    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
    for (const char* page : {"Report.htm", "Dama.htm", "Review.htm"})
        EXPECT_FALSE(QFile::exists(File(page))) << page;
}

}  // namespace
}  // namespace mizaro::testing
