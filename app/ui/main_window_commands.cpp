// The menus, the keys and the commands behind them.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "app/command_rules.h"
#include "app/position_file.h"
#include "app/ui/about_box.h"
#include "app/ui/clipboard.h"
#include "app/ui/command_ids.h"
#include "app/ui/drill_window.h"
#include "app/ui/main_window.h"
#include "app/ui/user_dialog.h"
#include "core/shanten.h"
#include "core/tile_html.h"
#include "stats/stat_users.h"
#include "stats/user_name.h"

namespace mizaro {

namespace {

constexpr int kDepthItems = 5;
constexpr int kSimLevelItems = 3;
const char* const kFullWidthDigits[] = {"１", "２", "３", "４", "５"};
const QString kPositionFilter = QStringLiteral("*.qtw (*.qtw)");

}  // namespace

QAction* MainWindow::AddCommand(QMenu* menu, int id, const char* text, QKeySequence key) {
    QAction* a = menu->addAction(QString::fromUtf8(text));
    a->setObjectName(QStringLiteral("c%1").arg(id));
    // The menu text carries the key's name after a tab; Qt shows that part as the key.
    a->setShortcut(key);
    actions_[id] = a;
    return a;
}

QAction* MainWindow::AddKey(int id, std::initializer_list<QKeySequence> keys) {
    auto* a = new QAction(this);
    a->setObjectName(QStringLiteral("c%1").arg(id));
    a->setShortcuts(QList<QKeySequence>(keys));
    addAction(a);
    actions_[id] = a;
    return a;
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("ファイル"));
    connect(AddCommand(file, command::kSave, "保存\tCtrl + s", QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { SavePosition(); });
    connect(AddCommand(file, command::kLoad, "読込\tCtrl + o", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { LoadPosition(); });
    AddNotationCommands(file);
    connect(AddCommand(file, command::kEraseData, "データの消去"), &QAction::triggered, this,
            [this] { EraseUserData(); });
    connect(AddCommand(file, command::kExit, "終了"), &QAction::triggered, this,
            [this] { close(); });

    QMenu* view = bar->addMenu(QStringLiteral("表示切替"));
    QAction* shanten = AddCommand(view, command::kShowShanten, "向聴数");
    connect(shanten, &QAction::triggered, this, [this] { SetShowShanten(!showShanten_); });
    QAction* result = AddCommand(view, command::kShowResult, "局の結果");
    connect(result, &QAction::triggered, this, [this] { SetShowResult(!flow_.showResult); });
    QAction* simDisp = AddCommand(view, command::kShowSimulation, "シミュレーション経過");
    connect(simDisp, &QAction::triggered, this, [this] {
        flow_.simDisp = !flow_.simDisp;
        UpdateCommands();
    });
    for (QAction* a : {shanten, result, simDisp}) a->setCheckable(true);

    // The analyses, the statistics pages and the simulation are reached from here; their
    // keys F3, Ctrl+F3 and F4 belong to the buttons' commands, not to these items.
    QMenu* tools = bar->addMenu(QStringLiteral("ツール"));
    AddCommand(tools, command::kNanikiru, "何切る？\tF3");
    AddCommand(tools, command::kNanikiruChanges, "何切る？(手変わり)\tCtrl + F3");
    AddCommand(tools, command::kRiichi, "リーチ？\tF4");
    AddCommand(tools, command::kStatistics, "統計情報");
    AddCommand(tools, command::kDetailAnalysis, "詳細解析\tF10", QKeySequence(Qt::Key_F10));
    AddCommand(tools, command::kDetailAnalysisCom, "詳細解析(COM)\tCtrl + F10",
               QKeySequence(Qt::CTRL | Qt::Key_F10));
    AddCommand(tools, command::kSimulation, "シミュレーション開始");
    connect(AddCommand(tools, command::kReview, "局の検討"), &QAction::triggered, this,
            [this] { ShowGameReview(); });
    connect(
        AddCommand(tools, command::kDrill, "ドリル\tCtrl + d", QKeySequence(Qt::CTRL | Qt::Key_D)),
        &QAction::triggered, this, [this] {
            if (!flow_.simRunning) drillWindow_->Open();
        });

    QMenu* play = bar->addMenu(QStringLiteral("操作"));
    connect(AddCommand(play, command::kDiscardHonour, "字牌を捨てる\tz", QKeySequence(Qt::Key_Z)),
            &QAction::triggered, this, [this] { flow_.DiscardLoneHonour(); });
    connect(
        AddCommand(play, command::kDiscardDrawn, "ツモ切り\tSPACE", QKeySequence(Qt::Key_Space)),
        &QAction::triggered, this, [this] { flow_.DiscardDrawnTile(); });

    QMenu* modes = bar->addMenu(QStringLiteral("モード"));
    struct ModeItem {
        int id;
        const char* text;
        QKeySequence key;
        int mode;
    };
    const ModeItem modeItems[] = {
        {command::kModeNormal, "ノーマルモード\tF5", QKeySequence(Qt::Key_F5), kModeNormal},
        {command::kModeChinitsu, "チンイツモード\tCtrl + F5", QKeySequence(Qt::CTRL | Qt::Key_F5),
         kModeChinitsu},
        {command::kModeHonitsu, "ホンイツモード\tShift + F5", QKeySequence(Qt::SHIFT | Qt::Key_F5),
         kModeHonitsu},
        {command::kModeKokushi, "国士モード\tCtrl + Shift + F5",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F5), kModeKokushi},
    };
    for (const ModeItem& item : modeItems) {
        QAction* a = AddCommand(modes, item.id, item.text, item.key);
        a->setCheckable(true);
        const int mode = item.mode;
        connect(a, &QAction::triggered, this, [this, mode] {
            flow_.SetMode(mode);
            Refresh();
        });
    }

    QMenu* setup = bar->addMenu(QStringLiteral("設定"));
    connect(AddCommand(setup, command::kUsers, "ユーザ設定"), &QAction::triggered, this,
            [this] { UserSettings(); });
    QMenu* depth = setup->addMenu(QStringLiteral("何切る？結果"));
    for (int n = 1; n <= kDepthItems; ++n) {
        QAction* a = AddCommand(depth, command::kDepthFirst + n - 1, kFullWidthDigits[n - 1]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, n] {
            settings_.NanikiruDepth = n;
            UpdateCommands();
        });
    }
    QMenu* simLevel = setup->addMenu(QStringLiteral("シミュレーション"));
    for (int n = 1; n <= kSimLevelItems; ++n) {
        QAction* a = AddCommand(simLevel, command::kSimLevelFirst + n - 1, kFullWidthDigits[n - 1]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, n] {
            settings_.SimShan = n;
            UpdateCommands();
        });
    }

    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ"));
    connect(AddCommand(help, command::kAbout, "バージョン情報"), &QAction::triggered, this,
            [this] { ShowAbout(); });
    AddCommand(help, command::kAuthorPage, "作者のHP");
    AddCommand(help, command::kOnlineHelp, "オンラインヘルプ\tF1", QKeySequence(Qt::Key_F1));

    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommands(); });
    }
}

void MainWindow::BuildKeys() {
    AddKey(command::kNanikiruKey, {QKeySequence(Qt::Key_F3)});
    AddKey(command::kNanikiruChangesKey, {QKeySequence(Qt::CTRL | Qt::Key_F3)});
    AddKey(command::kRiichiKey, {QKeySequence(Qt::Key_F4)});
    connect(AddKey(command::kCopyHandImages, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}),
            &QAction::triggered, this,
            [this] { CopyTextToClipboard(CopyHandImagesText(flow_.state)); });
    connect(AddKey(command::kCopyPositionHtml, {QKeySequence(Qt::CTRL | Qt::Key_F9)}),
            &QAction::triggered, this,
            [this] { CopyTextToClipboard(CopyPositionHtmlText(flow_.state)); });
    connect(AddKey(command::kClearDiscards, {QKeySequence(Qt::Key_Delete)}), &QAction::triggered,
            this, [this] { flow_.ClearDiscardsKey(); });
    connect(AddKey(command::kSelectUp, {QKeySequence(Qt::Key_Up)}), &QAction::triggered, this,
            [this] { flow_.SelectUp(); });
    connect(AddKey(command::kSelectDown, {QKeySequence(Qt::Key_Down)}), &QAction::triggered, this,
            [this] { flow_.SelectDown(); });
    connect(AddKey(command::kSelectRight, {QKeySequence(Qt::Key_Right)}), &QAction::triggered, this,
            [this] { flow_.SelectRight(); });
    connect(AddKey(command::kSelectLeft, {QKeySequence(Qt::Key_Left)}), &QAction::triggered, this,
            [this] { flow_.SelectLeft(); });
    connect(AddKey(command::kNewGame, {QKeySequence(Qt::Key_F2)}), &QAction::triggered, this,
            [this] { flow_.NewGameKey(); });
    // Enter and Esc are taken here so that they neither close the window nor press a button.
    AddKey(command::kSwallowKeys, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                   QKeySequence(Qt::Key_Escape)});
}

void MainWindow::UpdateCommands() {
    CommandState s;
    s.simRunning = flow_.simRunning;
    s.editing = flow_.playMode == kEditMode;
    s.shanten = Shanten(flow_.state.hand);
    s.turn = flow_.state.turn;

    const bool idle = MenuCommandEnabled(s);
    for (int id : {command::kSave,           command::kLoad,
                   command::kEraseData,      command::kExit,
                   command::kShowShanten,    command::kShowResult,
                   command::kShowSimulation, command::kStatistics,
                   command::kDetailAnalysis, command::kDetailAnalysisCom,
                   command::kDiscardHonour,  command::kDiscardDrawn,
                   command::kModeNormal,     command::kModeHonitsu,
                   command::kModeChinitsu,   command::kModeKokushi,
                   command::kUsers,          command::kAbout,
                   command::kAuthorPage,     command::kOnlineHelp}) {
        actions_[id]->setEnabled(idle);
    }
    for (int n = 0; n < kDepthItems; ++n) {
        actions_[command::kDepthFirst + n]->setEnabled(idle);
        actions_[command::kDepthFirst + n]->setChecked(settings_.NanikiruDepth == n + 1);
    }
    for (int n = 0; n < kSimLevelItems; ++n) {
        actions_[command::kSimLevelFirst + n]->setEnabled(idle);
        actions_[command::kSimLevelFirst + n]->setChecked(settings_.SimShan == n + 1);
    }
    actions_[command::kNanikiru]->setEnabled(NanikiruMenuEnabled(s));
    actions_[command::kNanikiruChanges]->setEnabled(NanikiruMenuEnabled(s));
    actions_[command::kRiichi]->setEnabled(RiichiMenuEnabled(s));
    for (int id : {command::kNanikiruKey, command::kNanikiruChangesKey, command::kProblemText})
        actions_[id]->setEnabled(ReportKeysEnabled(s));
    actions_[command::kReview]->setEnabled(!s.simRunning);
    actions_[command::kDrill]->setEnabled(!s.simRunning);
    actions_[command::kDrill]->setText(QString::fromStdString(drillWindow_->MenuText()) +
                                       QStringLiteral("\tCtrl + d"));
    actions_[command::kSimulation]->setText(
        QString::fromUtf8(SimulationMenuText(s.simRunning).data()));

    actions_[command::kShowShanten]->setChecked(showShanten_);
    actions_[command::kShowResult]->setChecked(flow_.showResult);
    actions_[command::kShowSimulation]->setChecked(flow_.simDisp);
    const int mode = flow_.state.mode;
    actions_[command::kModeNormal]->setChecked(mode == kModeNormal);
    actions_[command::kModeChinitsu]->setChecked(mode == kModeChinitsu);
    actions_[command::kModeHonitsu]->setChecked(mode == kModeHonitsu);
    actions_[command::kModeKokushi]->setChecked(mode == kModeKokushi);

    const bool table = TableButtonEnabled(s);
    for (int id : {command::kStatisticsButton, command::kResultButton, command::kShantenButton,
                   command::kSaveButton, command::kLoadButton}) {
        buttons_[id]->setEnabled(table);
    }
    buttons_[command::kNanikiruKey]->setEnabled(NanikiruButtonEnabled(s));
    buttons_[command::kRiichiKey]->setEnabled(RiichiButtonEnabled(s));
    buttons_[command::kEditButton]->setEnabled(!s.simRunning);
    assistCombo_->setEnabled(!s.simRunning);
}

void MainWindow::SavePosition() {
    if (flow_.simRunning) return;
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(kPositionFilter);
    dialog.setDefaultSuffix(QStringLiteral("qtw"));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const std::string path = dialog.selectedFiles().first().toStdString();
    // A save that fails silently would let the player believe the position is kept.
    if (!WritePositionFile(path, flow_.state)) {
        ShowMessage("保存", "局面を保存できませんでした。\n" + path);
    }
}

void MainWindow::LoadPosition() {
    if (flow_.simRunning) return;
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kPositionFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    KyokuState loaded = flow_.state;
    const PositionReadResult read =
        ReadPositionFile(dialog.selectedFiles().first().toStdString(), loaded);
    if (!read.ok) {
        // Asking for a position makes the game in progress practice, whether it was read or not.
        flow_.noRecord = true;
        ShowMessage("読込", read.reason);
        return;
    }
    flow_.PositionLoaded(loaded);
}

void MainWindow::UserSettings() {
    if (flow_.simRunning) return;
    UserDialog dialog(ListStatUsers(dataDirectory_), settings_.UserName, dataDirectory_, this);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (dialog.currentUserDeleted()) {
        // Saving the deleted user's games now would bring its files, and the user, back.
        SwitchUser(chosen ? dialog.chosenName() : std::string(kDefaultUserName), false);
    } else if (chosen) {
        SwitchUser(dialog.chosenName(), true);
    }
}

void MainWindow::EraseUserData() {
    if (flow_.simRunning) return;
    const auto answer = QMessageBox::question(
        this, QStringLiteral("確認"), QStringLiteral("現在のユーザのデータを消去しますか？"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) return;
    flow_.userStats.Reset();
    Refresh();
}

void MainWindow::ShowAbout() {
    AboutBox box(this);
    box.exec();
}

}  // namespace mizaro
