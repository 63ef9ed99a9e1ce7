// The end of a game in the window: the boxes leave the game in sight, the keys that close them
// discard nothing afterwards, and the draws after riichi go one at a time until a key or click.
#include <QLabel>
#include <QTest>
#include <functional>

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

// The same hand a draw short: loading it draws, and 2p wins at once.
KyokuState WinningOnLoad() {
    KyokuState s = ReadyToDeclare("2p");
    s.RemoveFromHand(ParseTile("9s"), false);
    return s;
}

QImage Picture(const QLabel* label) {
    return label != nullptr ? label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32)
                            : QImage();
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
        for (int slot = 0; slot < kHandSlots; ++slot) {
            if (flow().Slots()[slot] == ParseTile("9s")) window->MovePointerToSlot(slot);
        }
        flow().SelectUp();
    }

    // Every tile picture on the table: the hand, the discards and the dora indicator.
    std::vector<QRect> TilesOnTheTable() const {
        std::vector<QRect> tiles;
        for (const QLabel* label : window->table()->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->pixmap().isNull())
                tiles.emplace_back(label->mapToGlobal(QPoint(0, 0)), label->size());
        }
        return tiles;
    }
    void ExpectClearOfTheTiles(const QWidget* box) const {
        const std::vector<QRect> tiles = TilesOnTheTable();
        EXPECT_GE(tiles.size(), 14u + 3u);  // the hand, discards, the dora indicator
        for (const QRect& tile : tiles) {
            EXPECT_FALSE(box->frameGeometry().intersects(tile))
                << box->windowTitle().toStdString() << " covers a tile at " << tile.x() << ","
                << tile.y();
        }
    }
};

TEST_F(ResultBoxTest, WinBoxShowsTheTilesAndScoreBesideTheGame) {
    SeedThreadRandom(7);
    bool seen = false;
    OnNextModal<WinBox> answer([&](WinBox* box) {
        if (!seen) {
            seen = true;
            const KyokuState& won = flow().state;  // the board behind the box
            EXPECT_EQ(box->windowTitle(), "和了");
            EXPECT_EQ(box->scoreText(), FormatScoreText(won.result));
            EXPECT_GT(won.result.han.GetHan(yaku::kRiichi), 0);
            EXPECT_EQ(Picture(box->findChild<QLabel*>("winningTile")),
                      DrawTilePicture(ParseTile("2p")).convertToFormat(QImage::Format_ARGB32));
            ASSERT_TRUE(IsValidKind(won.uraIndicator));
            EXPECT_EQ(Picture(box->findChild<QLabel*>("uraIndicator")),
                      DrawTilePicture(won.uraIndicator).convertToFormat(QImage::Format_ARGB32));
            EXPECT_GT(box->width(), 2 * box->fontMetrics().horizontalAdvance(box->windowTitle()));
            ExpectClearOfTheTiles(box);
        }
        box->accept();
    });
    // Riichi on a wall of 2p alone: the 2p wins, and the indicator turned over for the ura-dora
    // is another 2p.
    DeclareRiichi("2222p");
}

TEST_F(ResultBoxTest, ExhaustedBoxLeavesTheGameInSight) {
    OnNextModal<QMessageBox> answer([&](QMessageBox* box) {
        ExpectClearOfTheTiles(box);
        box->button(QMessageBox::Ok)->click();
    });
    // The eighteenth discard, with seventeen on the table already.
    KyokuState last = ReadyToDeclare("7777s");
    last.turn = kMaxTurns;
    for (int t = 1; t < kMaxTurns; ++t) last.discards[t - 1] = 8;
    flow().PositionLoaded(last);
    flow().DiscardDrawnTile();
}

// Closing the box is all a key on it does: the next game's drawn tile stays, even while the key
// is still down and repeats, and the next press of its own discards as usual.
TEST_F(ResultBoxTest, KeysThatCloseTheBoxDiscardNothingInTheNextGame) {
    const struct {
        const char* name;
        bool heldThroughTheClose;
    } rows[] = {{"Space on the OK button", false}, {"Space held while Esc closes", true}};
    for (const auto& row : rows) {
        OnNextModal<WinBox> answer([&](WinBox* box) {
            QWidget* ok = box->focusWidget();
            ASSERT_NE(ok, nullptr);
            QTest::keyPress(ok, Qt::Key_Space);
            if (row.heldThroughTheClose) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                QTest::keyRelease(ok, Qt::Key_Space);
            }
        });
        flow().PositionLoaded(WinningOnLoad());
        ASSERT_EQ(flow().state.turn, 1) << row.name;
        ASSERT_NO_FATAL_FAILURE(Activate());
        if (row.heldThroughTheClose) {
            QTest::simulateEvent(window.get(), true, Qt::Key_Space, Qt::NoModifier, " ", true);
            EXPECT_EQ(flow().state.turn, 1) << row.name << ": the repeat discarded";
            QTest::keyRelease(window.get(), Qt::Key_Space);
        }
        EXPECT_EQ(flow().state.HandTileCount(), kHandSlots) << row.name;
        QTest::keyClick(window.get(), Qt::Key_Space);
        EXPECT_EQ(flow().state.turn, 2) << row.name << ": a new press discards";
    }
}

// After riichi each draw shows for a moment; a key or a click then plays the rest at once and
// is spent on that, discarding nothing in the game after.
TEST_F(ResultBoxTest, DrawsAfterRiichiGoOneATickUntilAKeyOrClick) {
    const std::pair<const char*, std::function<void()>> inputs[] = {
        {"Space", [&] { QTest::keyClick(window.get(), Qt::Key_Space); }},
        {"click on the hand",
         [&] {
             QTest::mouseClick(window->table(), Qt::LeftButton, {},
                               layout::HandTile(kDrawnSlot).center());
         }},
    };
    for (const auto& [name, input] : inputs) {
        DeclareRiichi("7777s");
        ASSERT_TRUE(flow().AutomaticPending()) << name;
        EXPECT_EQ(flow().state.turn, 4) << name;
        ASSERT_TRUE(QTest::qWaitFor([&] { return flow().state.turn == 5; }, 2000)) << name;
        EXPECT_TRUE(flow().AutomaticPending()) << name;

        QString title;
        OnNextModal<QMessageBox> answer([&](QMessageBox* box) {
            title = box->windowTitle();
            box->button(QMessageBox::Ok)->click();
        });
        input();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !flow().AutomaticPending(); }, 2000)) << name;
        EXPECT_EQ(title, "流局") << name;
        EXPECT_EQ(flow().state.turn, 1) << name << ": the input discarded in the next game";
        EXPECT_EQ(flow().state.HandTileCount(), kHandSlots) << name;
    }
}

}  // namespace
}  // namespace mizaro::testing
