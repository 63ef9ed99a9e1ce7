// The window's searches run under the progress window: what the player clicks or types
// meanwhile is dropped, and a cancelled search writes and copies nothing.
#include <QAction>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <optional>

#include "analysis/position_line.h"
#include "app/ui/command_ids.h"
#include "app/ui/progress_dialog.h"
#include "app/ui/review_dialog.h"
#include "app/ui/table_layout.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

TEST_F(WindowTest, SearchesTakeNoInputAndACancelWritesNothing) {
    std::vector<std::string> opened;
    window->SetPageOpener([&](const std::string& path) { opened.push_back(path); });
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    const QPoint tile = layout::HandTile(2).center();
    // A click on a hand tile and the discard key, queued as a busy window queues them.
    const auto discard = [&](ProgressDialog*) {
        QCoreApplication::postEvent(
            window->table(), new QMouseEvent(QEvent::MouseButtonRelease, tile, tile, Qt::LeftButton,
                                             Qt::NoButton, {}));
        QCoreApplication::postEvent(window.get(),
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, {}));
    };
    const auto stop = [](ProgressDialog* p) { p->stopButton()->click(); };
    const auto escape = [](ProgressDialog* p) { QTest::keyClick(p, Qt::Key_Escape); };
    // Each search on a position it accepts; the review (no position) on a game just begun.
    const struct {
        const char* position;
        int command;
        std::function<void(ProgressDialog*)> cancel;
    } searches[] = {{"123m456p789s11z57z6z turn=3 dora=1p", command::kNanikiruKey, stop},
                    {"234567m24p678s55z1z turn=4 dora=5p", command::kRiichiKey, escape},
                    {"123m456p789s11z57z6z turn=3 dora=1p", command::kProblemText, stop},
                    {nullptr, command::kReview, escape}};
    for (const bool cancel : {true, false}) {
        for (const auto& s : searches) {
            if (s.position != nullptr) {
                window->flow().PositionLoaded(ParsePositionLine(s.position).state);
            } else {
                window->flow().NewGame();
                window->flow().DiscardDrawnTile();
            }
            const int turn = window->flow().state.turn;
            std::optional<OnNextModal<ReviewDialog>> review;
            if (!s.position) review.emplace([](ReviewDialog* d) { d->accept(); });
            OnNextModal<ProgressDialog> during(cancel ? s.cancel : discard);
            window->action(s.command)->trigger();
            QTest::qWait(20);  // anything still queued is delivered now
            EXPECT_EQ(window->flow().state.turn, turn) << s.command;
        }
        if (!cancel) break;
        EXPECT_TRUE(opened.empty());
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
        for (const char* page : {"Report.htm", "Dama.htm", "Review.htm"})
            EXPECT_FALSE(QFile::exists(File(page))) << page;
    }
    EXPECT_EQ(opened.size(), 3u) << "the pages are written as before";
}

}  // namespace
}  // namespace mizaro::testing
