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
#include "app/ui/source_text.h"
#include "app/ui/ui_language.h"
#include "app/ui/user_dialog.h"
#include "core/shanten.h"
#include "core/tile_html.h"
#include "stats/stat_users.h"
#include "stats/user_name.h"

namespace mizaro {

namespace {

constexpr int kDepthItems = 5;
constexpr int kSimLevelItems = 3;
// Marked here, translated where the menu items are made.
const char* const kFullWidthDigits[] = {
    QT_TRANSLATE_NOOP("mizaro::MainWindow", "１"), QT_TRANSLATE_NOOP("mizaro::MainWindow", "２"),
    QT_TRANSLATE_NOOP("mizaro::MainWindow", "３"), QT_TRANSLATE_NOOP("mizaro::MainWindow", "４"),
    QT_TRANSLATE_NOOP("mizaro::MainWindow", "５")};

}  // namespace

QMenu* MainWindow::AddMenu(QMenu* menu, const char* title) {
    SetSourceText(menu, staticMetaObject.className(), title);
    return menu;
}

QAction* MainWindow::AddCommand(QMenu* menu, int id, const char* text, QKeySequence key) {
    QAction* a = menu->addAction(QString());
    SetSourceText(a, staticMetaObject.className(), text);
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

    QMenu* file = AddMenu(bar->addMenu(QString()), QT_TR_NOOP("ファイル"));
    connect(AddCommand(file, command::kSave, QT_TR_NOOP("保存\tCtrl + s"),
                       QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { SavePosition(); });
    connect(AddCommand(file, command::kLoad, QT_TR_NOOP("読込\tCtrl + o"),
                       QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { LoadPosition(); });
    AddNotationCommands(file);
    connect(AddCommand(file, command::kImportGameLog, QT_TR_NOOP("牌譜を読み込む")),
            &QAction::triggered, this, [this] { ImportGameLog(); });
    connect(AddCommand(file, command::kEraseData, QT_TR_NOOP("データの消去")), &QAction::triggered,
            this, [this] { EraseUserData(); });
    connect(AddCommand(file, command::kExit, QT_TR_NOOP("終了")), &QAction::triggered, this,
            [this] { close(); });

    QMenu* view = AddMenu(bar->addMenu(QString()), QT_TR_NOOP("表示切替"));
    QAction* shanten = AddCommand(view, command::kShowShanten, QT_TR_NOOP("向聴数"));
    connect(shanten, &QAction::triggered, this, [this] { SetShowShanten(!showShanten_); });
    QAction* result = AddCommand(view, command::kShowResult, QT_TR_NOOP("局の結果"));
    connect(result, &QAction::triggered, this, [this] { SetShowResult(!flow_.showResult); });
    QAction* simDisp =
        AddCommand(view, command::kShowSimulation, QT_TR_NOOP("シミュレーション経過"));
    connect(simDisp, &QAction::triggered, this, [this] {
        flow_.simDisp = !flow_.simDisp;
        UpdateCommands();
    });
    for (QAction* a : {shanten, result, simDisp}) a->setCheckable(true);

    // The analyses, the statistics pages and the simulation are reached from here; their
    // keys F3, Ctrl+F3 and F4 belong to the buttons' commands, not to these items.
    QMenu* tools = AddMenu(bar->addMenu(QString()), QT_TR_NOOP("ツール"));
    AddCommand(tools, command::kNanikiru, QT_TR_NOOP("何切る？\tF3"));
    AddCommand(tools, command::kNanikiruChanges, QT_TR_NOOP("何切る？(手変わり)\tCtrl + F3"));
    AddCommand(tools, command::kRiichi, QT_TR_NOOP("リーチ？\tF4"));
    AddCommand(tools, command::kStatistics, QT_TR_NOOP("統計情報"));
    AddCommand(tools, command::kDetailAnalysis, QT_TR_NOOP("詳細解析\tF10"),
               QKeySequence(Qt::Key_F10));
    AddCommand(tools, command::kDetailAnalysisCom, QT_TR_NOOP("詳細解析(COM)\tCtrl + F10"),
               QKeySequence(Qt::CTRL | Qt::Key_F10));
    AddCommand(tools, command::kSimulation, QT_TR_NOOP("シミュレーション開始"));
    connect(AddCommand(tools, command::kReview, QT_TR_NOOP("局の検討")), &QAction::triggered, this,
            [this] { ShowGameReview(); });
    connect(AddCommand(tools, command::kDrill, QT_TR_NOOP("ドリル\tCtrl + d"),
                       QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, this, [this] {
                if (!flow_.simRunning) drillWindow_->Open();
            });

    QMenu* play = AddMenu(bar->addMenu(QString()), QT_TR_NOOP("操作"));
    connect(AddCommand(play, command::kDiscardHonour, QT_TR_NOOP("字牌を捨てる\tz"),
                       QKeySequence(Qt::Key_Z)),
            &QAction::triggered, this, [this] { flow_.DiscardLoneHonour(); });
    connect(AddCommand(play, command::kDiscardDrawn, QT_TR_NOOP("ツモ切り\tSPACE"),
                       QKeySequence(Qt::Key_Space)),
            &QAction::triggered, this, [this] { flow_.DiscardDrawnTile(); });

    QMenu* modes = AddMenu(bar->addMenu(QString()), QT_TR_NOOP("モード"));
    struct ModeItem {
        int id;
        const char* text;
        QKeySequence key;
        int mode;
    };
    const ModeItem modeItems[] = {
        {command::kModeNormal, QT_TR_NOOP("ノーマルモード\tF5"), QKeySequence(Qt::Key_F5),
         kModeNormal},
        {command::kModeChinitsu, QT_TR_NOOP("チンイツモード\tCtrl + F5"),
         QKeySequence(Qt::CTRL | Qt::Key_F5), kModeChinitsu},
        {command::kModeHonitsu, QT_TR_NOOP("ホンイツモード\tShift + F5"),
         QKeySequence(Qt::SHIFT | Qt::Key_F5), kModeHonitsu},
        {command::kModeKokushi, QT_TR_NOOP("国士モード\tCtrl + Shift + F5"),
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

    QMenu* setup = AddMenu(bar->addMenu(QString()), QT_TR_NOOP("設定"));
    connect(AddCommand(setup, command::kUsers, QT_TR_NOOP("ユーザ設定")), &QAction::triggered, this,
            [this] { UserSettings(); });
    QMenu* depth = AddMenu(setup->addMenu(QString()), QT_TR_NOOP("何切る？結果"));
    for (int n = 1; n <= kDepthItems; ++n) {
        QAction* a = AddCommand(depth, command::kDepthFirst + n - 1, kFullWidthDigits[n - 1]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, n] {
            settings_.NanikiruDepth = n;
            UpdateCommands();
        });
    }
    QMenu* simLevel = AddMenu(setup->addMenu(QString()), QT_TR_NOOP("シミュレーション"));
    for (int n = 1; n <= kSimLevelItems; ++n) {
        QAction* a = AddCommand(simLevel, command::kSimLevelFirst + n - 1, kFullWidthDigits[n - 1]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, n] {
            settings_.SimShan = n;
            UpdateCommands();
        });
    }

    AddDisplayCommands(setup);

    QMenu* help = AddMenu(bar->addMenu(QString()), QT_TR_NOOP("ヘルプ"));
    connect(AddCommand(help, command::kAbout, QT_TR_NOOP("バージョン情報")), &QAction::triggered,
            this, [this] { ShowAbout(); });
    AddCommand(help, command::kAuthorPage, QT_TR_NOOP("作者のHP"));
    AddCommand(help, command::kOnlineHelp, QT_TR_NOOP("オンラインヘルプ\tF1"),
               QKeySequence(Qt::Key_F1));

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
            [this] { CopyTextToClipboard(CopyPositionHtmlText(flow_.state, language())); });
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
                   command::kAuthorPage,     command::kOnlineHelp,
                   command::kImportGameLog}) {
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
        QString::fromUtf8(SimulationMenuText(s.simRunning, CurrentLanguage()).data()));

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
    dialog.setNameFilter(tr("*.qtw (*.qtw)"));
    dialog.setDefaultSuffix(QStringLiteral("qtw"));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const std::string path = dialog.selectedFiles().first().toStdString();
    // A save that fails silently would let the player believe the position is kept.
    if (!WritePositionFile(path, flow_.state)) {
        Tell(tr("保存"), tr("局面を保存できませんでした。\n%1").arg(QString::fromStdString(path)));
    }
}

void MainWindow::LoadPosition() {
    if (flow_.simRunning) return;
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(tr("*.qtw (*.qtw)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    KyokuState loaded = flow_.state;
    const PositionReadResult read =
        ReadPositionFile(dialog.selectedFiles().first().toStdString(), loaded, CurrentLanguage());
    if (!read.ok) {
        // Asking for a position makes the game in progress practice, whether it was read or not.
        flow_.noRecord = true;
        Tell(tr("読込"), QString::fromStdString(read.reason));
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
    const auto answer =
        QMessageBox::question(this, tr("確認"), tr("現在のユーザのデータを消去しますか？"),
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
