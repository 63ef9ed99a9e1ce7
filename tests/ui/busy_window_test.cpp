// The window's searches run under the progress window: what the player clicks or types
// meanwhile is dropped, and a cancelled search writes and copies nothing.
#include <QAction>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "analysis/position_line.h"
#include "app/ui/command_ids.h"
#include "app/ui/progress_dialog.h"
#include "app/ui/review_dialog.h"
#include "app/ui/table_layout.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

// Each search command on a position it accepts; the review on a game just begun.
const struct {
    const char* position;
    int command;
} kSearches[] = {{"123m456p789s11z57z6z turn=3 dora=1p", command::kNanikiruKey},
                 {"234567m24p678s55z1z turn=4 dora=5p", command::kRiichiKey},
                 {"123m456p789s11z57z6z turn=3 dora=1p", command::kProblemText},
                 {nullptr, command::kReview}};

class BusyWindowTest : public WindowTest {
  protected:
    BusyWindowTest() {
        window->SetPageOpener([this](const std::string& path) { opened.push_back(path); });
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // Sets up the position and runs the command; `during` runs once its search has begun.
    template <typename During>
    void Search(const char* position, int command, During during) {
        if (position != nullptr) {
            window->flow().PositionLoaded(ParsePositionLine(position).state);
        } else {
            window->flow().NewGame();
            window->flow().DiscardDrawnTile();
        }
        std::optional<OnNextModal<ReviewDialog>> review;
        if (command == command::kReview) review.emplace([](ReviewDialog* d) { d->accept(); });
        OnNextModal<ProgressDialog> progress(during);
        window->action(command)->trigger();
    }

    std::vector<std::string> opened;
};

TEST_F(BusyWindowTest, InputGivenDuringASearchDiscardsNothing) {
    for (const auto& row : kSearches) {
        KyokuState before;
        Search(row.position, row.command, [&](ProgressDialog*) {
            before = window->flow().state;
            // A click on a hand tile and the discard key, queued as a busy window queues them.
            const QPoint tile = layout::HandTile(2).center();
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    window->table(),
                    new QMouseEvent(type, tile, tile, Qt::LeftButton, Qt::LeftButton, {}));
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(window.get(), new QKeyEvent(type, Qt::Key_Space, {}));
        });
        QTest::qWait(20);  // anything still queued is delivered now
        EXPECT_EQ(window->flow().state.hand, before.hand) << row.command;
        EXPECT_EQ(window->flow().state.turn, before.turn) << row.command;
    }
    EXPECT_EQ(opened.size(), 3u) << "the pages are written as before";
}

TEST_F(BusyWindowTest, ACancelledSearchWritesAndCopiesNothing) {
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    bool escape = false;
    for (const auto& row : kSearches) {
        escape = !escape;
        Search(row.position, row.command, [escape](ProgressDialog* p) {
            escape ? QTest::keyClick(p, Qt::Key_Escape) : p->stopButton()->click();
        });
    }
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
    for (const char* page : {"Report.htm", "Dama.htm", "Review.htm"})
        EXPECT_FALSE(QFile::exists(File(page))) << page;
}

}  // namespace
}  // namespace mizaro::testing
