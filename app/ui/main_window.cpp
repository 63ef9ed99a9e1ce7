#include "app/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/command_rules.h"
#include "app/page_output.h"
#include "app/status_text.h"
#include "app/ui/app_icon.h"
#include "app/ui/command_ids.h"
#include "app/ui/drill_window.h"
#include "app/ui/frame_placement.h"
#include "app/ui/result_box.h"
#include "app/ui/source_text.h"
#include "app/ui/tabbed_html.h"
#include "app/ui/table_layout.h"
#include "app/ui/tile_pictures.h"
#include "app/ui/ui_language.h"
#include "core/shanten_table.h"
#include "platform/atomic_file.h"
#include "stats/user_name.h"

namespace mizaro {

namespace {

constexpr int kLift = 6;             // pixels a hovered hand tile rises
constexpr int kOnScreenMargin = 20;  // pixels of the window that must be on a screen
constexpr int kMarkPixels = 18;      // the assist marks are read at a glance

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

MainWindow::MainWindow(const std::string& dataDirectory, QWidget* parent)
    : QMainWindow(parent), dataDirectory_(dataDirectory) {
    // What a write cut short by a crash left beside its file would otherwise stay for ever.
    RemoveStaleTemporaries(dataDirectory_);
    settings_.path = dataDirectory_ + kSettingsFileName;
    LoadSettings(settings_);
    display_.path = dataDirectory_ + kDisplaySettingsFileName;
    LoadDisplaySettings(display_);
    // Before the first widget, which takes its texts in the language installed.
    InstallLanguage(ChosenLanguage(display_.language, SystemLanguage()));
    flow_.language = CurrentLanguage();

    DrawTiles();
    // The pages the program writes refer to these files; a failure only costs their pictures.
    WriteMissingTileGifs(dataDirectory_);
    setWindowIcon(AppIcon());

    BuildTable();
    BuildMenus();
    BuildKeys();
    ConnectAnalysisCommands();
    BuildHelpCommands();
    LoadShantenTable();

    // The window keeps the size of its table.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // A position stored while another monitor was attached could put the window out of sight.
    const QPoint stored(settings_.X, settings_.Y);
    const bool onScreen =
        QGuiApplication::screenAt(stored + QPoint(kOnScreenMargin, kOnScreenMargin)) != nullptr;
    MoveFrameTo(this, onScreen ? stored : QPoint(0, 0));
    showShanten_ = settings_.Shanten != 0;
    flow_.simDisp = settings_.SimDisp != 0;
    flow_.showResult = settings_.Result != 0;
    flow_.assistLimit = settings_.Assist;
    simInterval_ = settings_.SimInt;

    flow_.statsDirectory = dataDirectory_;
    flow_.userStats.Load(settings_.UserName, dataDirectory_);
    SetUserTitle(settings_.UserName);
    comStats_.Load(std::string(kComputerStatName), dataDirectory_);
    BuildDrillWindow();
    TellUnreadableFiles();

    BuildSimulationCommands();
    ConnectSessionEnd();
    flow_.NewGame();
    Refresh();
    BuildDetailAnalysis();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildDrillWindow() {
    DrillWindow::Hooks hooks;
    hooks.openReport = [this](const KyokuState& state) { ReportOn(state, 0); };
    hooks.publish = [this](const std::string& name, const std::string& html) {
        // The drill's page declares UTF-8 in either language.
        return PublishPage(name, html, PageEncoding::kUtf8);
    };
    hooks.tell = [this](const QString& caption, const QString& text) { Tell(caption, text); };
    drillWindow_ = new DrillWindow(flow_.userStats, dataDirectory_, std::move(hooks), this);
    if (display_.tileNumbers) drillWindow_->SetTileNumbers(true);
    // The games recorded before this run are harvested once the window is up.
    QTimer::singleShot(0, drillWindow_, [this] { drillWindow_->HarvestNewGames(); });
}

void MainWindow::GameRecorded() {
    drillWindow_->HarvestNewGames();
}

void MainWindow::BuildTable() {
    table_ = new TableWidget(this);
    table_->setFixedSize(layout::Px(layout::kClientWidth), layout::Px(layout::kClientHeight));
    table_->setAutoFillBackground(true);
    QPalette felt = table_->palette();
    felt.setColor(QPalette::Window, QColor(226, 232, 224));
    table_->setPalette(felt);
    setCentralWidget(table_);
    table_->onMove = [this](QPoint p) { MouseMoved(p); };
    table_->onRelease = [this](Qt::MouseButton b, QPoint p) { MouseReleased(b, p); };
    // A pointer that left the table is over no slot: the arrow keys start again from the right.
    table_->onLeave = [this] { MouseMoved(QPoint(-1, -1)); };

    auto addText = [this](const QRect& where, const char* text) {
        auto* label = new QLabel(table_);
        if (*text != '\0') SetSourceText(label, staticMetaObject.className(), text);
        label->setGeometry(where);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    };
    statusLabel_ = addText(layout::kStatusLine, "");
    addText(layout::kDiscardLabel, QT_TR_NOOP("捨牌"));
    addText(layout::kDoraLabel, QT_TR_NOOP("ドラ"));
    addText(layout::kAssistLabel, QT_TR_NOOP("アシスト表示"));
    infoLabel_ = addText(layout::kInfoText, "");
    infoLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    assistCombo_ = new QComboBox(table_);
    assistCombo_->setObjectName(QStringLiteral("c1056"));
    assistCombo_->setGeometry(layout::kAssistCombo);
    assistCombo_->setFocusPolicy(Qt::NoFocus);
    table_->WatchChild(assistCombo_);
    assistCombo_->addItem(tr("無効"));
    for (const char* item : {"0", "1", "2", "3"}) assistCombo_->addItem(QString::fromUtf8(item));
    connect(assistCombo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        // Takes effect at the next draw; the file gets it when the window closes.
        flow_.assistLimit = index - 1;
        settings_.Assist = flow_.assistLimit;
    });

    for (int t = 1; t <= kMaxTurns; ++t) {
        discardLabels_[t - 1] = AddTileLabel(layout::DiscardTile(t, 0));
        // Upright and lying tiles share the row's bottom line.
        discardLabels_[t - 1]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
    doraLabel_ = AddTileLabel(layout::kDoraTile);
    for (int slot = 0; slot < kHandSlots; ++slot) {
        handLabels_[slot] = AddTileLabel(layout::HandTile(slot));
        handLabels_[slot]->setLineWidth(1);
        QLabel* mark = addText(layout::MarkText(slot), "");
        mark->setAlignment(Qt::AlignCenter);
        QFont markFont = mark->font();
        markFont.setBold(true);
        markFont.setPixelSize(kMarkPixels);
        mark->setFont(markFont);
        markLabels_[slot] = mark;
    }

    AddButton(command::kStatisticsButton, QT_TR_NOOP("統計情報"), layout::kStatisticsButton, false);
    QPushButton* result =
        AddButton(command::kResultButton, QT_TR_NOOP("結果表示"), layout::kResultButton, true);
    connect(result, &QPushButton::toggled, this, [this](bool on) { SetShowResult(on); });
    AddButton(command::kNanikiruKey, QT_TR_NOOP("何切る ?"), layout::kNanikiruButton, false);
    AddButton(command::kRiichiKey, QT_TR_NOOP("リーチ ?"), layout::kRiichiButton, false);
    QPushButton* shanten =
        AddButton(command::kShantenButton, QT_TR_NOOP("向聴数"), layout::kShantenButton, true);
    connect(shanten, &QPushButton::toggled, this, [this](bool on) { SetShowShanten(on); });
    QPushButton* save =
        AddButton(command::kSaveButton, QT_TR_NOOP("保存"), layout::kSaveButton, false);
    connect(save, &QPushButton::clicked, this, [this] { SavePosition(); });
    QPushButton* load =
        AddButton(command::kLoadButton, QT_TR_NOOP("読込"), layout::kLoadButton, false);
    connect(load, &QPushButton::clicked, this, [this] { LoadPosition(); });
    QPushButton* edit =
        AddButton(command::kEditButton, QT_TR_NOOP("編集"), layout::kEditButton, true);
    connect(edit, &QPushButton::toggled, this, [this](bool on) { SetEditing(on); });
}

QPushButton* MainWindow::AddButton(int id, const char* caption, const QRect& where,
                                   bool checkable) {
    auto* b = new QPushButton(table_);
    SetSourceText(b, staticMetaObject.className(), caption);
    b->setObjectName(QStringLiteral("c%1").arg(id));
    b->setGeometry(where);
    b->setCheckable(checkable);
    // Keys belong to the game: no button takes the focus, so Space and Enter never press one.
    b->setFocusPolicy(Qt::NoFocus);
    table_->WatchChild(b);
    buttons_[id] = b;
    return b;
}

QLabel* MainWindow::AddTileLabel(const QRect& where) {
    auto* label = new QLabel(table_);
    label->setGeometry(where);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

QAction* MainWindow::action(int commandId) const {
    auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

QAbstractButton* MainWindow::button(int controlId) const {
    auto it = buttons_.find(controlId);
    return it == buttons_.end() ? nullptr : it->second;
}

void MainWindow::SetUserTitle(const std::string& name) {
    settings_.UserName = name;
    setWindowTitle(Q(kWindowTitlePrefix + name));
}

bool MainWindow::PublishPage(const std::string& fileName, const std::string& utf8Html,
                             PageEncoding encoding) {
    const std::string path = dataDirectory_ + fileName;
    if (!WritePage(path, utf8Html, encoding)) return false;
    pageOpener_(path);
    return true;
}

bool MainWindow::SwitchUser(const std::string& name, bool saveCurrent) {
    // The games since the last save exist only in memory: a user whose statistics could not be
    // written stays the current user, so nothing is thrown away.
    if (saveCurrent && !flow_.userStats.Save(dataDirectory_)) {
        Tell(tr("エラー"), tr("統計を保存できなかったため、ユーザを切り替えませんでした。\n%1")
                               .arg(Q(dataDirectory_)));
        return false;
    }
    flow_.userStats.Load(name, dataDirectory_);
    drillWindow_->UserChanged(saveCurrent);
    SetUserTitle(name);
    Refresh();
    TellUnreadableFiles();
    return true;
}

void MainWindow::Refresh() {
    // During a simulation the worker plays; the table shows the copy it last published.
    const KyokuState state = flow_.simRunning ? simulation_.StateCopy() : flow_.state;
    const int held = state.HandTileCount();
    if (held == kHandSlots || held == kHandSlots - 1) {
        const SlotKinds slots = HandSlotKinds(state);
        for (int slot = 0; slot < kHandSlots; ++slot) {
            const TileKind k = slots[slot];
            handLabels_[slot]->setVisible(k != kNoTile);
            if (k != kNoTile) handLabels_[slot]->setPixmap(tiles_[k]);
            const int mark = k != kNoTile ? flow_.assistMark[k] : kNoMark;
            markLabels_[slot]->setText(
                QString::fromUtf8(AssistMarkText(mark).data(), AssistMarkText(mark).size()));
        }
        const TileKind indicator = DoraIndicatorKind(state);
        doraLabel_->setVisible(indicator != kNoTile);
        if (indicator != kNoTile) doraLabel_->setPixmap(tiles_[indicator]);
        for (int t = 1; t <= kMaxTurns; ++t) {
            const TileKind k = state.discards[t - 1];
            const bool shown = t < state.turn && IsValidKind(k);
            discardLabels_[t - 1]->setVisible(shown);
            if (shown) {
                discardLabels_[t - 1]->setGeometry(layout::DiscardTile(t, state.reachTurn));
                discardLabels_[t - 1]->setPixmap(t == state.reachTurn ? turnedTiles_[k]
                                                                      : tiles_[k]);
            }
        }
        infoText_ = InfoText(showShanten_, ShantenForms(state.hand), CurrentLanguage());
        infoLabel_->setText(TabbedHtml(infoText_));
    }

    buttons_[command::kShantenButton]->setChecked(showShanten_);
    buttons_[command::kResultButton]->setChecked(flow_.showResult);
    const QSignalBlocker block(assistCombo_);
    assistCombo_->setCurrentIndex(flow_.assistLimit + 1);

    if (flow_.playMode == kEditMode) {
        statusText_ = EditStatusLine(CurrentLanguage());
    } else if (flow_.simRunning) {
        const StatSummary shown = simulation_.ShownCopy();
        statusText_ = SimulationStatusLine(
            StatusLine(shown.N, shown.nAgari, shown.AgariTen, CurrentLanguage()),
            MsPerGame(simulation_.PlayedMs(), shown.simStartClock, shown.N, shown.simStartN));
    } else {
        const StatSummary& shown = flow_.userStats;
        statusText_ = StatusLine(shown.N, shown.nAgari, shown.AgariTen, CurrentLanguage());
    }
    statusLabel_->setText(Q(statusText_));
    UpdateCommands();
}

void MainWindow::RequestRepaint(bool now) {
    Refresh();
    if (now) repaint();
}

void MainWindow::ShowMessage(const std::string& caption, const std::string& text) {
    ShowBox(caption, text, QMessageBox::Ok);
}

void MainWindow::Tell(const QString& caption, const QString& text) {
    ShowBox(caption.toStdString(), text.toStdString(), QMessageBox::Ok);
}

int MainWindow::ShowBox(const std::string& caption, const std::string& text, int buttons,
                        bool aside) {
    const bool columns = text.find('\t') != std::string::npos;
    PlaceableMessageBox box(QMessageBox::NoIcon, Q(caption), columns ? TabbedHtml(text) : Q(text),
                            QMessageBox::StandardButtons(buttons), this);
    box.setTextFormat(columns ? Qt::RichText : Qt::PlainText);
    if (aside) box.onShown = [this](QWidget* shown) { PlaceAside(shown); };
    return RunBox(box);
}

int MainWindow::SlotAt(QPoint p) {
    for (int slot = 0; slot < kHandSlots; ++slot) {
        const QRect r = layout::HandTile(slot);
        const int right = r.left() + r.width();
        const int bottom = r.top() + r.height();
        if (r.left() < p.x() && p.x() < right && r.top() < p.y() && p.y() < bottom) return slot;
    }
    return -1;
}

int MainWindow::PointerSlot() const {
    return SlotAt(pointer_);
}

void MainWindow::MovePointerToSlot(int slot) {
    if (slot < 0 || slot >= kHandSlots) return;
    const QRect r = layout::HandTile(slot);
    const QPoint target(r.left() + r.width() - 6, r.top() + r.height() - 5);
    QCursor::setPos(table_->mapToGlobal(target));
    MouseMoved(target);  // the platform may not report the move back (or not at once)
}

void MainWindow::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::MouseMoved(QPoint p) {
    pointer_ = p;
    if (flow_.playMode == kSimulationMode) return;
    hovered_ = SlotAt(p);
    for (int slot = 0; slot < kHandSlots; ++slot) {
        // The tile under the pointer stands a little above the others and gets a sunken rim.
        const bool lifted = slot == hovered_;
        handLabels_[slot]->move(layout::HandTile(slot).topLeft() - QPoint(0, lifted ? kLift : 0));
        handLabels_[slot]->setFrameStyle(lifted ? (QFrame::Panel | QFrame::Sunken)
                                                : QFrame::NoFrame);
    }
}

void MainWindow::MouseReleased(Qt::MouseButton b, QPoint p) {
    pointer_ = p;
    if (flow_.simRunning) return;
    const int step = b == Qt::RightButton ? -1 : 1;
    if (flow_.playMode == kEditMode && (b == Qt::LeftButton || b == Qt::RightButton)) {
        const QRect dora = layout::kDoraTile;
        if (dora.left() < p.x() && p.x() < dora.left() + dora.width() && dora.top() < p.y() &&
            p.y() < dora.top() + dora.height()) {
            flow_.EditDoraClick(step);
            return;
        }
    }
    switch (b) {
        case Qt::LeftButton:
            flow_.LeftRelease();
            break;
        case Qt::RightButton:
            flow_.RightRelease();
            break;
        case Qt::MiddleButton:
            flow_.MiddleRelease();
            break;
        default:
            break;
    }
}

void MainWindow::SetShowShanten(bool on) {
    if (showShanten_ == on) return;
    showShanten_ = on;
    Refresh();
}

void MainWindow::SetShowResult(bool on) {
    if (flow_.showResult == on) return;
    flow_.showResult = on;
    Refresh();
}

void MainWindow::SetEditing(bool on) {
    editChecked_ = on;
    flow_.SetEditing(on);
    Refresh();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The worker writes the computer's statistics until it is stopped; a close that only
    // ignored the request would leave the player wondering why nothing happens.
    if (flow_.simRunning) {
        event->ignore();
        Tell(QString(),
             tr("シミュレーション中は終了できません。先にシミュレーションを止めてください。"));
        return;
    }
    if (!isMinimized()) {
        const QPoint corner = FramePosition(this);
        settings_.X = corner.x();
        settings_.Y = corner.y();
    }
    settings_.Shanten = showShanten_ ? 1 : 0;
    settings_.SimInt = simInterval_;
    settings_.Result = flow_.showResult ? 1 : 0;
    settings_.SimDisp = flow_.simDisp ? 1 : 0;
    if (!SaveForClose()) {
        event->ignore();
        return;
    }
    drillWindow_->Finish();
    drillWindow_->hide();
    event->accept();
}

}  // namespace mizaro
