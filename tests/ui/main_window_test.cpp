#include "app/ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/status_text.h"
#include "app/ui/command_ids.h"
#include "app/ui/table_layout.h"
#include "app/ui/user_dialog.h"
#include "core/hand_notation.h"
#include "core/tile_html.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

// A 14-tile position with the wall as given and `turn` - 1 discards of 9m made.
KyokuState Position(const char* hand, const char* drawn, const char* wall, int turn) {
    KyokuState s;
    s.hand = ParseTiles(hand).counts;
    s.wall = ParseTiles(wall).counts;
    s.dora.fill(0);
    s.dora[NextKind(9)] = 1;
    s.lastDraw = ParseTile(drawn);
    s.turn = turn;
    for (int t = 1; t < turn; ++t) s.discards[t - 1] = 8;
    return s;
}

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        texts << a->text();
        if (a->menu() != nullptr) {
            for (const QString& t : MenuTexts(a->menu())) texts << "  " + t;
        }
    }
    return texts;
}

QPoint InsideSlot(int slot) {
    return layout::HandTile(slot).center();
}

TEST_F(WindowTest, MenusCarryTheirTextsInOrder) {
    QStringList all;
    for (QAction* top : window->menuBar()->actions()) {
        all << top->text();
        for (const QString& t : MenuTexts(top->menu())) all << "  " + t;
    }
    const QStringList expected = {"ファイル",
                                  "  保存\tCtrl + s",
                                  "  読込\tCtrl + o",
                                  "  手牌を文字でコピー\tCtrl + t",
                                  "  手牌を文字から読込\tCtrl + v",
                                  "  牌譜を読み込む",
                                  "  データの消去",
                                  "  終了",
                                  "表示切替",
                                  "  向聴数",
                                  "  局の結果",
                                  "  シミュレーション経過",
                                  "ツール",
                                  "  何切る？\tF3",
                                  "  何切る？(手変わり)\tCtrl + F3",
                                  "  リーチ？\tF4",
                                  "  統計情報",
                                  "  詳細解析\tF10",
                                  "  詳細解析(COM)\tCtrl + F10",
                                  "  シミュレーション開始",
                                  "  局の検討",
                                  "  ドリル\tCtrl + d",
                                  "操作",
                                  "  字牌を捨てる\tz",
                                  "  ツモ切り\tSPACE",
                                  "モード",
                                  "  ノーマルモード\tF5",
                                  "  チンイツモード\tCtrl + F5",
                                  "  ホンイツモード\tShift + F5",
                                  "  国士モード\tCtrl + Shift + F5",
                                  "設定",
                                  "  ユーザ設定",
                                  "  何切る？結果",
                                  "    １",
                                  "    ２",
                                  "    ３",
                                  "    ４",
                                  "    ５",
                                  "  シミュレーション",
                                  "    １",
                                  "    ２",
                                  "    ３",
                                  "  Language / 言語",
                                  "    System",
                                  "    日本語",
                                  "    English",
                                  "  牌に数字を表示",
                                  "ヘルプ",
                                  "  バージョン情報",
                                  "  作者のHP",
                                  "  オンラインヘルプ\tF1"};
    EXPECT_EQ(all, expected);
    EXPECT_EQ(window->windowTitle(), "Mizaro     default");
}

TEST_F(WindowTest, TicksFollowTheState) {
    EXPECT_TRUE(window->action(command::kModeNormal)->isChecked());
    EXPECT_TRUE(window->action(command::kShowShanten)->isChecked());
    EXPECT_TRUE(window->action(command::kDepthFirst)->isChecked());
    EXPECT_TRUE(window->action(command::kSimLevelFirst + 1)->isChecked());

    window->action(command::kModeChinitsu)->trigger();
    EXPECT_EQ(window->flow().state.mode, kModeChinitsu);
    EXPECT_TRUE(window->action(command::kModeChinitsu)->isChecked());
    EXPECT_FALSE(window->action(command::kModeNormal)->isChecked());

    window->action(command::kShowShanten)->trigger();
    EXPECT_FALSE(window->action(command::kShowShanten)->isChecked());
    EXPECT_FALSE(window->button(command::kShantenButton)->isChecked());
    EXPECT_EQ(window->infoText(), "一般\t? \n七対子\t? \n国士\t?");
    window->button(command::kShantenButton)->click();
    EXPECT_TRUE(window->action(command::kShowShanten)->isChecked());

    window->action(command::kDepthFirst + 3)->trigger();
    EXPECT_EQ(window->settings().NanikiruDepth, 4);
    EXPECT_TRUE(window->action(command::kDepthFirst + 3)->isChecked());
    EXPECT_FALSE(window->action(command::kDepthFirst)->isChecked());
}

TEST_F(WindowTest, AnalysisCommandsFollowTheHandAndTheTurn) {
    // Ready: both analyses are open, from the menu and from the buttons.
    window->flow().PositionLoaded(Position("123456789m1134p5s", "5s", "2255p", 5));
    EXPECT_TRUE(window->action(command::kRiichi)->isEnabled());
    EXPECT_TRUE(window->button(command::kRiichiKey)->isEnabled());
    EXPECT_TRUE(window->button(command::kNanikiruKey)->isEnabled());

    // At turn 18 no turn follows: the buttons close, the menu items stay.
    window->flow().PositionLoaded(Position("123456789m1134p5s", "5s", "2255p", 18));
    EXPECT_FALSE(window->button(command::kRiichiKey)->isEnabled());
    EXPECT_FALSE(window->button(command::kNanikiruKey)->isEnabled());
    EXPECT_TRUE(window->action(command::kRiichi)->isEnabled());

    // Four steps from ready: no what-to-discard report at all.
    window->flow().PositionLoaded(Position("129m1459p1459s112z", "2z", "2255p", 5));
    ASSERT_EQ(Shanten(window->flow().state.hand), 4);
    EXPECT_FALSE(window->button(command::kNanikiruKey)->isEnabled());
    EXPECT_FALSE(window->action(command::kNanikiru)->isEnabled());
    EXPECT_FALSE(window->action(command::kNanikiruChanges)->isEnabled());
    EXPECT_FALSE(window->action(command::kRiichi)->isEnabled());
}

TEST_F(WindowTest, ARunningSimulationClosesTheCommandsAndTheWindow) {
    window->flow().simRunning = true;
    window->UpdateCommands();
    for (int id : {command::kSave, command::kLoad, command::kEraseData, command::kExit,
                   command::kModeKokushi, command::kUsers, command::kDiscardDrawn}) {
        EXPECT_FALSE(window->action(id)->isEnabled()) << id;
    }
    for (int id : {command::kStatisticsButton, command::kResultButton, command::kShantenButton,
                   command::kNanikiruKey, command::kRiichiKey, command::kSaveButton,
                   command::kLoadButton, command::kEditButton}) {
        EXPECT_FALSE(window->button(id)->isEnabled()) << id;
    }
    EXPECT_FALSE(window->assistCombo()->isEnabled());
    EXPECT_EQ(window->action(command::kSimulation)->text(), "シミュレーション終了");

    window->show();
    AnswerNextBox([&] { window->close(); });
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFile::exists(File("QTW.ini")));
    window->flow().simRunning = false;
    window->UpdateCommands();
    EXPECT_EQ(window->action(command::kSimulation)->text(), "シミュレーション開始");
}

TEST_F(WindowTest, AssistComboSetsTheLimit) {
    QComboBox* combo = window->assistCombo();
    ASSERT_EQ(combo->count(), 5);
    EXPECT_EQ(combo->itemText(0), "無効");
    EXPECT_EQ(combo->currentIndex(), 1);  // the default limit 0
    combo->setCurrentIndex(0);
    EXPECT_EQ(window->flow().assistLimit, kAssistOff);
    EXPECT_EQ(window->settings().Assist, kAssistOff);
    combo->setCurrentIndex(3);  // the item "2"
    EXPECT_EQ(window->flow().assistLimit, 2);
    EXPECT_EQ(window->settings().Assist, 2);
}

TEST_F(WindowTest, EnterAndEscapeLeaveTheWindowOpen) {
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const KyokuState before = window->flow().state;
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_Enter);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->flow().state.turn, before.turn);
    EXPECT_FALSE(window->button(command::kEditButton)->isChecked());

    // The game keys do reach the game: Space discards the drawn tile.
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_EQ(window->flow().state.turn, before.turn + 1);
    EXPECT_EQ(window->flow().state.discards[before.turn - 1], before.lastDraw);
}

TEST_F(WindowTest, StatusLineShowsTheUsersResultsOrEditMode) {
    EXPECT_EQ(window->statusText(), "     0 局目   和了:    0回 (  0.00 % )   期待値:    0.00 点");
    window->flow().userStats.N = 4;
    window->flow().userStats.nAgari = 1;
    window->flow().userStats.AgariTen = 12000.0;
    window->Refresh();
    EXPECT_EQ(window->statusText(), "     4 局目   和了:    1回 ( 25.00 % )   期待値: 3000.00 点");
    window->button(command::kEditButton)->click();
    EXPECT_EQ(window->statusText(), "編集モード");
}

TEST_F(WindowTest, ClosingWritesTheSettingsAndBothStatistics) {
    window->show();
    window->move(40, 30);
    window->close();
    QFile ini(File("QTW.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = ini.readAll().split('\n');
    ASSERT_EQ(lines.size(), 23);  // 22 lines and the empty rest after the last line feed
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_EQ(lines[0], "X\t" + QByteArray::number(window->x()));
    EXPECT_EQ(lines[9], "UserName\tdefault");
    EXPECT_TRUE(QFile::exists(File("StatMan.txt")));
    EXPECT_TRUE(QFile::exists(File("StatMan.log")));
    EXPECT_TRUE(QFile::exists(File("StatCom.txt")));
    EXPECT_TRUE(QFile::exists(File("img/j7.gif")));
}

TEST_F(WindowTest, TheStoredPositionIsUsedUnlessNoScreenShowsIt) {
    WriteSettings("X\t30\nY\t40\n");
    Open();
    EXPECT_EQ(window->pos(), QPoint(30, 40));
    WriteSettings("X\t90000\nY\t90000\n");
    Open();
    EXPECT_EQ(window->pos(), QPoint(0, 0));
}

TEST_F(WindowTest, AMinimisedWindowKeepsTheStoredPosition) {
    WriteSettings("X\t30\nY\t40\n");
    Open();
    window->show();
    window->setWindowState(Qt::WindowMinimized);
    window->move(200, 200);
    window->close();
    QFile ini(File("QTW.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = ini.readAll().split('\n');
    EXPECT_EQ(lines[0], "X\t30");
    EXPECT_EQ(lines[1], "Y\t40");
}

TEST_F(WindowTest, FinishedGamesAreFoundAgainAtTheNextStart) {
    GameFlow& flow = window->flow();
    // Play on (a game won on the way just starts the next) until the eighteenth discard is due:
    // it ends the game exhausted, with its box.
    while (flow.state.turn < kMaxTurns) flow.DiscardDrawnTile();
    const int games = flow.userStats.N;
    flow.showResult = true;
    const SeenBox seen = AnswerNextBox([&] { flow.DiscardDrawnTile(); });
    EXPECT_EQ(seen.title, "流局");
    EXPECT_TRUE(seen.text == "テンパイ" || seen.text.startsWith("ノーテン ( "))
        << seen.text.toStdString();
    EXPECT_EQ(flow.userStats.N, games + 1);
    EXPECT_EQ(flow.state.turn, 1);
    window->close();
    Open();
    EXPECT_EQ(window->flow().userStats.N, games + 1);
    EXPECT_EQ(window->statusText(), StatusLine(games + 1, window->flow().userStats.nAgari,
                                               window->flow().userStats.AgariTen));
}

// True when every pixel of the row from x0 to x1 is the table's own colour.
bool BareTable(const QImage& table, int y, int x0, int x1) {
    const QRgb felt = table.pixel(1, table.height() - 1);
    for (int x = x0; x <= x1; ++x) {
        if (table.pixel(x, y) != felt) return false;
    }
    return true;
}

// For each riichi turn: the discards stay in their area, clear of the controls around, keep
// the upright gap and the row's bottom line, and only the tiles after it in its row move.
TEST(TableLayoutTest, TheRiichiDiscardLiesOnItsSideAndPushesOnlyTheRestOfItsRow) {
    using namespace layout;
    for (const QRect& other : {kDiscardLabel, kDoraLabel, kDoraTile, kShantenButton, kInfoText,
                               MarkText(0), HandTile(0)}) {
        EXPECT_FALSE(kDiscardArea.intersects(other)) << other.x() << "," << other.y();
    }
    const QRect upright = DiscardTile(1, 0);
    const int gap = DiscardTile(2, 0).left() - upright.right();
    for (int riichi = 0; riichi <= kMaxTurns; ++riichi) {
        for (int t = 1; t <= kMaxTurns; ++t) {
            const QRect tile = DiscardTile(t, riichi);
            const QRect plain = DiscardTile(t, 0);
            EXPECT_TRUE(kDiscardArea.contains(tile)) << riichi << " " << t;
            EXPECT_EQ(tile.bottom(), plain.bottom()) << riichi << " " << t;
            EXPECT_EQ(tile.size(), t == riichi ? upright.size().transposed() : upright.size());
            const bool pushed = riichi > 0 && t > riichi && (t - 1) / 6 == (riichi - 1) / 6;
            EXPECT_EQ(tile.left() != plain.left(), pushed) << riichi << " " << t;
            if (t % kDiscardsPerRow != 0) {
                EXPECT_EQ(DiscardTile(t + 1, riichi).left() - tile.right(), gap) << t;
            }
            for (int u = 1; u < t; ++u) EXPECT_FALSE(tile.intersects(DiscardTile(u, riichi)));
        }
    }
    for (int outside : {-1, kMaxTurns + 1}) EXPECT_EQ(DiscardTile(7, outside), DiscardTile(7, 0));
}

TEST_F(WindowTest, TheRiichiDiscardLiesOnItsSideAtFullSizeBehindTheResult) {
    // 9s with the flag at turn 5 leaves the hand ready on 2p and 5p; the four 7s drawn after it
    // go out on their own, and the empty wall ends the game with the box.
    GameFlow& flow = window->flow();
    flow.PositionLoaded(Position("123456789m1134p9s", "9s", "7777s", 5));
    flow.showResult = true;
    QImage board;  // the table as it stands behind the box
    QString title;
    OnNextModal<QMessageBox> answer([&](QMessageBox* box) {
        board = window->table()->grab().toImage();
        title = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    });
    window->MovePointerToSlot(kDrawnSlot);
    flow.SelectUp();
    flow.FinishAutomatic();  // the draws after riichi, which the window otherwise paces
    ASSERT_EQ(title, "流局");
    ASSERT_FALSE(board.isNull());

    for (int t = 1; t <= 9; ++t) {
        const QRect slot = layout::DiscardTile(t, 5);
        const QRect next = layout::DiscardTile(t + 1, 5);
        const QRect upright = layout::DiscardTile(t, 0);
        const bool bareTop =
            BareTable(board, upright.top() + upright.height() / 4, slot.left(), slot.right());
        EXPECT_EQ(bareTop, t == 5) << "turn " << t;  // lying down, it leaves the upper part bare
        // Painted to its right end: the lying tile is not shrunk and the ones after it moved.
        EXPECT_FALSE(BareTable(board, slot.center().y(), slot.right() - 4, slot.right() - 2))
            << "turn " << t;
        EXPECT_FALSE(BareTable(board, slot.bottom() - 4, slot.left(), slot.right()))
            << "turn " << t << ": the discard is not shown";
        // Nothing reaches into the gap before the next slot.
        if (next.top() != slot.top()) continue;
        for (int y = upright.top(); y <= upright.bottom(); ++y) {
            EXPECT_TRUE(BareTable(board, y, slot.right() + 1, next.left() - 1))
                << "turn " << t << " row " << y;
        }
    }
    const QRect tenth = layout::DiscardTile(10, 5);
    EXPECT_TRUE(BareTable(board, tenth.center().y(), tenth.left(), tenth.right()));
}

TEST_F(WindowTest, PointerHitsOnlyInsideTheSlots) {
    const QRect r = layout::HandTile(3);
    EXPECT_EQ(MainWindow::SlotAt(r.center()), 3);
    EXPECT_EQ(MainWindow::SlotAt(r.topLeft()), -1);  // an edge is not inside
    EXPECT_EQ(MainWindow::SlotAt(QPoint(r.left() + r.width(), r.center().y())), -1);
    EXPECT_EQ(MainWindow::SlotAt(QPoint(5, 5)), -1);

    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseMove(window->table(), InsideSlot(5));
    EXPECT_EQ(window->hoveredSlot(), 5);
    EXPECT_EQ(window->PointerSlot(), 5);
    window->MovePointerToSlot(kDrawnSlot);
    EXPECT_EQ(window->PointerSlot(), kDrawnSlot);
    EXPECT_EQ(window->hoveredSlot(), kDrawnSlot);

    // A pointer that went on to a button has left the hand: Down then discards nothing.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(window->button(command::kSaveButton), &enter);
    EXPECT_EQ(window->PointerSlot(), -1);
    EXPECT_EQ(window->hoveredSlot(), -1);
    const int turn = window->flow().state.turn;
    window->action(command::kSelectDown)->trigger();
    EXPECT_EQ(window->flow().state.turn, turn);
}

TEST_F(WindowTest, ClicksOnTheHandDiscard) {
    GameFlow& flow = window->flow();
    const KyokuState before = flow.state;
    const TileKind shown = flow.Slots()[2];
    QTest::mouseMove(window->table(), InsideSlot(2));
    QTest::mouseClick(window->table(), Qt::LeftButton, {}, InsideSlot(2));
    EXPECT_EQ(flow.state.turn, before.turn + 1);
    EXPECT_EQ(flow.state.discards[0], shown);

    // A click beside the hand discards nothing; the middle button deals a new game.
    QTest::mouseClick(window->table(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(flow.state.turn, before.turn + 1);
    QTest::mouseClick(window->table(), Qt::MiddleButton, {}, QPoint(3, 3));
    EXPECT_EQ(flow.state.turn, 1);
}

TEST_F(WindowTest, EditModeStepsTilesClearsTheRiverAndDisablesTheTable) {
    GameFlow& flow = window->flow();
    for (int i = 0; i < 5; ++i) flow.DiscardDrawnTile();
    ASSERT_EQ(flow.state.turn, 6);
    window->button(command::kEditButton)->click();
    EXPECT_EQ(flow.playMode, kEditMode);
    EXPECT_TRUE(flow.noRecord);
    for (int id :
         {command::kStatisticsButton, command::kResultButton, command::kShantenButton,
          command::kNanikiruKey, command::kRiichiKey, command::kSaveButton, command::kLoadButton}) {
        EXPECT_FALSE(window->button(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(window->action(command::kSave)->isEnabled());

    const TileKind indicator = DoraIndicatorKind(flow.state);
    QTest::mouseClick(window->table(), Qt::LeftButton, {}, layout::kDoraTile.center());
    EXPECT_NE(DoraIndicatorKind(flow.state), indicator);
    EXPECT_EQ(flow.state.turn, 6);

    const TileKind first = flow.Slots()[0];
    QTest::mouseClick(window->table(), Qt::RightButton, {}, InsideSlot(0));
    EXPECT_EQ(flow.state.turn, 6);
    EXPECT_NE(flow.state.lastDraw, first);
    EXPECT_EQ(window->PointerSlot(), kDrawnSlot);

    window->action(command::kClearDiscards)->trigger();
    EXPECT_EQ(flow.state.turn, 1);

    window->button(command::kEditButton)->click();
    EXPECT_EQ(flow.playMode, kPlayMode);
    EXPECT_TRUE(window->button(command::kSaveButton)->isEnabled());
    EXPECT_NE(window->statusText(), "編集モード");
}

TEST_F(WindowTest, DeleteOutsideEditModeKeepsTheRiver) {
    window->flow().DiscardDrawnTile();
    window->action(command::kClearDiscards)->trigger();
    EXPECT_EQ(window->flow().state.turn, 2);
}

TEST_F(WindowTest, CopyCommandsPutTheHandOnTheClipboard) {
    window->action(command::kCopyHandImages)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              CopyHandImagesText(window->flow().state));
    window->action(command::kCopyPositionHtml)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              CopyPositionHtmlText(window->flow().state));
    EXPECT_EQ(window->action(command::kCopyPositionHtml)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_F9));
    EXPECT_EQ(window->action(command::kCopyHandImages)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
}

TEST_F(WindowTest, SwitchingUsersKeepsEachUsersStatistics) {
    window->flow().userStats.N = 3;
    window->SwitchUser("hanako");
    EXPECT_EQ(window->windowTitle(), "Mizaro     hanako");
    EXPECT_EQ(window->settings().UserName, "hanako");
    EXPECT_EQ(window->flow().userStats.N, 0);
    window->SwitchUser("default");
    EXPECT_EQ(window->flow().userStats.N, 3);
    window->SwitchUser("default");  // the same user again: saved and read back unchanged
    EXPECT_EQ(window->flow().userStats.N, 3);
}

TEST_F(WindowTest, AUserWhoseStatisticsCannotBeSavedStaysCurrent) {
    window->flow().userStats.N = 5;
    ASSERT_TRUE(QDir(dir.path()).mkdir("StatMan.txt"));  // no file can replace a directory
    const SeenBox box = AnswerNextBox([&] { EXPECT_FALSE(window->SwitchUser("hanako")); });
    EXPECT_EQ(box.title, "エラー");
    EXPECT_EQ(window->settings().UserName, "default");
    EXPECT_EQ(window->flow().userStats.N, 5);
    ASSERT_TRUE(QDir(dir.path()).rmdir("StatMan.txt"));
    EXPECT_TRUE(window->SwitchUser("hanako"));
    EXPECT_EQ(window->settings().UserName, "hanako");
}

TEST_F(WindowTest, TheDeletedCurrentUserDoesNotComeBack) {
    for (bool ok : {true, false}) {
        window->SwitchUser("taro");
        window->flow().userStats.N = 4;
        ASSERT_TRUE(window->flow().userStats.Save(Dir()));
        // Delete the current user in the dialog, then close it with OK or with Cancel.
        OnNextModal<UserDialog> answer([&](UserDialog* dialog) {
            EXPECT_EQ(dialog->chosenName(), "taro");
            dialog->DeleteConfirmed();
            ok ? dialog->accept() : dialog->reject();
        });
        window->action(command::kUsers)->trigger();
        EXPECT_FALSE(QFile::exists(File("StatMan_taro.txt"))) << ok;
        EXPECT_EQ(window->windowTitle(), "Mizaro     default") << ok;
        EXPECT_EQ(window->flow().userStats.N, 0) << ok;
    }

    // "default" cannot be listed twice, so deleting never reaches the default user's games.
    window->flow().userStats.N = 5;
    OnNextModal<UserDialog> answer([](UserDialog* dialog) {
        EXPECT_EQ(dialog->AddTyped(QStringLiteral("default")), AddUserOutcome::kDuplicate);
        dialog->DeleteConfirmed();
        dialog->accept();
    });
    window->action(command::kUsers)->trigger();
    EXPECT_EQ(window->flow().userStats.N, 5);
    EXPECT_TRUE(QFile::exists(File("StatMan.txt")));
}

TEST_F(WindowTest, AFileThatCannotBeReadStillEndsTheRecordOfTheGame) {
    QFile broken(File("broken.qtw"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("1 2\n");
    broken.close();
    const KyokuState before = window->flow().state;
    ASSERT_FALSE(window->flow().noRecord);

    OnNextModal<QFileDialog> choose([&](QFileDialog* dialog) {
        // Typed into the name box: selectFile leaves that box alone while it has the focus and
        // the file model has not yet listed the file, and the dialog then accepts nothing.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(File("broken.qtw"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const SeenBox seen = AnswerNextBox([&] { window->action(command::kLoad)->trigger(); });
    EXPECT_EQ(seen.title, "読込");
    EXPECT_EQ(window->flow().state.hand, before.hand);
    EXPECT_TRUE(window->flow().noRecord);
}

TEST_F(WindowTest, ErasingTheDataEmptiesTheStatusLine) {
    window->flow().userStats.N = 7;
    window->Refresh();
    const SeenBox seen = AnswerNextBox([&] { window->action(command::kEraseData)->trigger(); });
    EXPECT_EQ(seen.title, "確認");
    EXPECT_EQ(seen.text, "現在のユーザのデータを消去しますか？");
    EXPECT_EQ(window->flow().userStats.N, 0);
    EXPECT_EQ(window->statusText().substr(0, 6), "     0");
}

}  // namespace
}  // namespace mizaro::testing
