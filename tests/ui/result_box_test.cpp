// The end of a game in the window: the boxes leave the game in sight, the keys that close them
// discard nothing afterwards, and the draws after riichi go one at a time until a key or click.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/ui/result_box.h"
#include "app/ui/table_layout.h"
#include "app/ui/tile_pictures.h"
#include "core/hand_notation.h"
#include "core/random.h"
#include "core/scoring/score_text.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

// Ready on 2p and 5p once 9s goes at turn 3, with the wall as given.
KyokuState ReadyToDeclare(const char* wall) {
    KyokuState s;
    s.hand = ParseTiles("123456789m1134p9s").counts;
    s.wall = ParseTiles(wall).counts;
    s.dora.fill(0);
    s.dora[NextKind(9)] = 1;
    s.lastDraw = ParseTile("9s");
    s.turn = 3;
    s.discards[0] = s.discards[1] = 8;
    return s;
}

QImage Picture(const QLabel* label) {
    return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

class ResultBoxTest : public WindowTest {
  protected:
    void SetUp() override {
        window->show();
        ASSERT_NO_FATAL_FAILURE(Activate());
        flow().showResult = true;
    }
    // A window manager gives the activation back when a box closes; the test platform does not.
    void Activate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    GameFlow& flow() { return window->flow(); }

    // Declares riichi with 9s; the draws after it are the window's to pace.
    void DeclareRiichi(const char* wall) {
        flow().PositionLoaded(ReadyToDeclare(wall));
        window->MovePointerToSlot(flow().state.HandSlot(ParseTile("9s")));
        flow().SelectUp();
    }

    // No tile picture on the table (hand, discards, dora indicator) is under the box.
    void ExpectClearOfTheTiles(const QWidget* box) const {
        int tiles = 0;
        for (const QLabel* label : window->table()->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->pixmap().isNull()) continue;
            ++tiles;
            const QRect tile(label->mapToGlobal(QPoint(0, 0)), label->size());
            EXPECT_FALSE(box->frameGeometry().intersects(tile)) << tile.x() << "," << tile.y();
        }
        EXPECT_GE(tiles, 14 + 3 + 1);
    }
};

TEST_F(ResultBoxTest, WinBoxShowsTheTilesAndScoreBesideTheGame) {
    SeedThreadRandom(7);
    OnNextModal<WinBox> answer([&](WinBox* box) {
        const KyokuState& won = flow().state;  // the board behind the box
        EXPECT_EQ(box->windowTitle(), "和了");
        EXPECT_EQ(box->scoreText(), FormatScoreText(won.result));
        ASSERT_NE(box->findChild<QLabel*>("uraIndicator"), nullptr);
        EXPECT_EQ(Picture(box->findChild<QLabel*>("winningTile")),
                  DrawTilePicture(ParseTile("2p")).convertToFormat(QImage::Format_ARGB32));
        EXPECT_EQ(Picture(box->findChild<QLabel*>("uraIndicator")),
                  DrawTilePicture(won.uraIndicator).convertToFormat(QImage::Format_ARGB32));
        EXPECT_GT(box->width(), 2 * box->fontMetrics().horizontalAdvance(box->windowTitle()));
        ExpectClearOfTheTiles(box);
        box->accept();
    });
    // Riichi on a wall of 2p alone: a 2p wins, and another is the ura-dora indicator.
    DeclareRiichi("2222p");
}

// Closing the box is all a key on it does: the next game's drawn tile stays, even while the key
// is still down and repeats, and the next press of its own discards as usual.
TEST_F(ResultBoxTest, KeysThatCloseTheBoxDiscardNothingInTheNextGame) {
    KyokuState winsOnLoad = ReadyToDeclare("2p");  // a draw short: loading draws the 2p
    winsOnLoad.RemoveFromHand(ParseTile("9s"), false);
    for (const bool heldThroughTheClose : {false, true}) {
        OnNextModal<WinBox> answer([&](WinBox* box) {
            auto* ok = box->findChild<QPushButton*>();
            QTest::keyPress(ok, Qt::Key_Space);
            if (heldThroughTheClose) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                QTest::keyRelease(ok, Qt::Key_Space);
            }
        });
        flow().PositionLoaded(winsOnLoad);
        ASSERT_NO_FATAL_FAILURE(Activate());
        if (heldThroughTheClose) {
            QTest::simulateEvent(window.get(), true, Qt::Key_Space, Qt::NoModifier, " ", true);
            EXPECT_EQ(flow().state.turn, 1) << "the repeat discarded";
            QTest::keyRelease(window.get(), Qt::Key_Space);
        }
        QTest::keyClick(window.get(), Qt::Key_Space);
        EXPECT_EQ(flow().state.turn, 2) << heldThroughTheClose << ": a new press discards";
    }
}

// After riichi each draw shows for a moment; a key or a click then plays the rest at once and
// is spent on that, discarding nothing in the game after.
TEST_F(ResultBoxTest, DrawsAfterRiichiGoOneATickUntilAKeyOrClick) {
    for (const bool click : {false, true}) {
        DeclareRiichi("7777s");  // at turn 3: the draw of turn 4 waits
        ASSERT_TRUE(QTest::qWaitFor([&] { return flow().state.turn == 5; }, 2000));
        EXPECT_TRUE(flow().AutomaticPending());

        OnNextModal<QMessageBox> answer([&](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "流局");
            ExpectClearOfTheTiles(box);
            box->button(QMessageBox::Ok)->click();
        });
        click
            ? QTest::mouseClick(window->table(), Qt::LeftButton, {}, layout::HandTile(13).center())
            : QTest::keyClick(window.get(), Qt::Key_Space);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !flow().AutomaticPending(); }, 2000));
        EXPECT_EQ(flow().state.turn, 1) << click << ": the input discarded in the next game";
    }
}

}  // namespace
}  // namespace mizaro::testing
