#include "app/ui/drill_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <ctime>
#include <utility>

#include "app/drill_texts.h"
#include "app/ui/main_window.h"
#include "app/ui/source_text.h"
#include "app/ui/table_layout.h"
#include "app/ui/table_widget.h"
#include "app/ui/tile_numbers.h"
#include "app/ui/ui_language.h"
#include "stats/drill_page.h"
#include "stats/drill_schedule.h"

namespace mizaro {

namespace {

constexpr int kLift = 6;     // pixels the chosen tile rises, as on the table
constexpr int kPollMs = 50;  // how often the workers are looked at while one runs
constexpr int kVerdictPixels = 24;
constexpr QRect kTurnText = layout::Rect(167, 28, 88, 10);
constexpr QRect kVerdictText = layout::Rect(167, 50, 88, 14);
constexpr QRect kLossText = layout::Rect(167, 68, 88, 40);
constexpr QRect kMessageText = layout::Rect(7, 141, 251, 38);
constexpr int kIndicatorRows = 3;
constexpr int kIndicatorGap = 2;  // between a table problem's text and a second indicator column
constexpr const char* kWindNames[] = {
    QT_TRANSLATE_NOOP("mizaro::DrillWindow", "東"), QT_TRANSLATE_NOOP("mizaro::DrillWindow", "南"),
    QT_TRANSLATE_NOOP("mizaro::DrillWindow", "西"), QT_TRANSLATE_NOOP("mizaro::DrillWindow", "北")};

// Indicator i: three down the dora column, then further columns to the left over the
// discards, which a table problem leaves empty.
QRect IndicatorRect(int i) {
    return layout::kDoraTile.translated(-layout::Px(layout::kTileStep) * (i / kIndicatorRows),
                                        layout::Px(layout::kDiscardRowStep) * (i % kIndicatorRows));
}

int Today() {
    return DrillDay(std::time(nullptr));
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Percent(double ratio) {
    return QString::number(ratio * 100.0, 'f', 1) + QLatin1Char('%');
}

}  // namespace

DrillWindow::DrillWindow(const StatSummary& user, std::string directory, Hooks hooks,
                         QWidget* parent)
    : QDialog(parent), user_(user), directory_(std::move(directory)), hooks_(std::move(hooks)) {
    setWindowTitle(tr("ドリル"));
    for (TileKind k = 0; k < kKinds; ++k) tiles_[k] = WindowTile(k, false);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    table_ = new TableWidget(this);
    table_->setObjectName(QStringLiteral("table"));
    BuildTable(table_);
    column->addWidget(table_);

    candidates_ = new QTableWidget(0, 4, this);
    ShowHeaders();
    candidates_->verticalHeader()->hide();
    candidates_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    candidates_->setSelectionMode(QAbstractItemView::NoSelection);
    candidates_->setFocusPolicy(Qt::NoFocus);
    candidates_->setIconSize(
        QSize(layout::Px(layout::kTileWidth) / 2, layout::Px(layout::kTileHeight) / 2));
    candidates_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    candidates_->setFixedSize(layout::Px(layout::kClientWidth), layout::Px(110));
    column->addWidget(candidates_);

    auto* buttons = new QHBoxLayout;
    const auto addButton = [this, buttons](const char* caption, auto onClick) {
        auto* b = new QPushButton(this);
        SetSourceText(b, staticMetaObject.className(), caption);
        // The keys discard: neither Space nor Enter may press a button.
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, onClick);
        buttons->addWidget(b);
        return b;
    };
    next_ = addButton(QT_TR_NOOP("次へ"), [this] { NextCard(); });
    report_ = addButton(QT_TR_NOOP("何切る？ページ"), [this] { OpenReport(); });
    addButton(QT_TR_NOOP("進捗ページ"), [this] { OpenProgressPage(); });
    column->addLayout(buttons);
    harvestLabel_ = new QLabel(this);
    column->addWidget(harvestLabel_);

    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });

    deck_.Load(user_.name, directory_);
    ShowPosition();
    ShowStatus();
}

DrillWindow::~DrillWindow() {
    // The main window that tells is being taken down around this child: nothing is told now.
    hooks_.tell = nullptr;
    Finish();
}

void DrillWindow::BuildTable(QWidget* table) {
    table->setFixedSize(layout::Px(layout::kClientWidth), layout::Px(layout::kClientHeight));
    table->setAutoFillBackground(true);
    QPalette felt = table->palette();
    felt.setColor(QPalette::Window, QColor(226, 232, 224));
    table->setPalette(felt);
    table_->onMove = [this](QPoint p) {
        if (phase_ == Phase::kAsking) Select(MainWindow::SlotAt(p));
    };
    table_->onRelease = [this](Qt::MouseButton b, QPoint p) {
        if (b == Qt::LeftButton) Answer(MainWindow::SlotAt(p));
    };

    const auto addLabel = [table](const QRect& where, const char* source) {
        auto* label = new QLabel(table);
        if (source != nullptr) SetSourceText(label, staticMetaObject.className(), source);
        label->setGeometry(where);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    };
    statusLabel_ = addLabel(layout::kStatusLine, nullptr);
    addLabel(layout::kDiscardLabel, QT_TR_NOOP("捨牌"));
    addLabel(layout::kDoraLabel, QT_TR_NOOP("ドラ"));
    turnLabel_ = addLabel(kTurnText, nullptr);
    verdictLabel_ = addLabel(kVerdictText, nullptr);
    QFont big = verdictLabel_->font();
    big.setBold(true);
    big.setPixelSize(kVerdictPixels);
    verdictLabel_->setFont(big);
    lossLabel_ = addLabel(kLossText, {});
    lossLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lossLabel_->setWordWrap(true);
    messageLabel_ = addLabel(kMessageText, {});
    messageLabel_->setAlignment(Qt::AlignCenter);
    messageLabel_->setWordWrap(true);

    const auto addTile = [&](const QRect& where) {
        QLabel* label = addLabel(where, {});
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        label->hide();
        return label;
    };
    for (int t = 1; t <= kMaxTurns; ++t) discardLabels_[t - 1] = addTile(layout::DiscardTile(t, 0));
    for (int i = 0; i < kMaxDoraIndicators; ++i) doraLabels_[i] = addTile(IndicatorRect(i));
    tableLabel_ = addLabel(layout::kDiscardArea, {});
    tableLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tableLabel_->setWordWrap(true);
    tableLabel_->setTextFormat(Qt::PlainText);  // the game's name is the player's text
    for (int slot = 0; slot < kHandSlots; ++slot) {
        handLabels_[slot] = addTile(layout::HandTile(slot));
        handLabels_[slot]->setLineWidth(1);
    }
}

void DrillWindow::Open() {
    if (phase_ == Phase::kIdle || phase_ == Phase::kOver) StartSitting();
    show();
    raise();
    activateWindow();
}

void DrillWindow::StartSitting() {
    session_.emplace(deck_, Today());
    NextCard();
}

void DrillWindow::NextCard() {
    if (phase_ == Phase::kPreparing || phase_ == Phase::kAsking || !session_) return;
    card_.reset();
    verdictLabel_->clear();
    lossLabel_->clear();
    candidates_->setRowCount(0);
    const DrillProblem* problem = deck_.Find(session_->Current());
    if (problem == nullptr) {
        phase_ = Phase::kOver;
    } else {
        phase_ = Phase::kPreparing;
        prepared_.store(false);
        stopPreparing_.store(false);
        // The worker owns its copy: the deck may take a harvest while it searches.
        preparer_ = std::thread([this, copy = *problem] {
            preparedCard_ = PrepareCard(copy, &stopPreparing_);
            prepared_.store(true, std::memory_order_release);
        });
        poll_.start();
    }
    ShowPosition();
    ShowStatus();
}

void DrillWindow::Poll() {
    if (preparer_.joinable() && prepared_.load(std::memory_order_acquire)) {
        preparer_.join();
        card_ = std::move(preparedCard_);
        phase_ = Phase::kAsking;
        selected_ = -1;
        ShowPosition();
    }
    if (std::optional<DrillHarvester::Outcome> outcome = harvester_.Collect()) {
        Merge(std::move(*outcome));
        // New problems may be due at once; games recorded meanwhile are next.
        if (phase_ == Phase::kOver && isVisible()) StartSitting();
        HarvestNewGames();
    }
    harvestLabel_->setText(
        harvester_.busy()
            ? Q(DrillProgressLine(harvester_.done(), harvester_.total(), CurrentLanguage()))
            : QString());
    if (!harvester_.busy() && !preparer_.joinable()) poll_.stop();
}

void DrillWindow::HarvestNewGames() {
    // An unread file keeps its problems: harvesting again into an empty deck would only
    // be thrown away, as the file is never written over.
    if (harvester_.busy() || !deck_.unreadableFile.empty() || DrillFileName(deck_.name).empty())
        return;
    if (!harvester_.Start(user_.records, deck_.HarvestStart(user_.records))) return;
    harvestLabel_->setText(Q(DrillProgressLine(0, harvester_.total(), CurrentLanguage())));
    poll_.start();
}

void DrillWindow::Merge(DrillHarvester::Outcome outcome) {
    deck_.AddHarvest(std::move(outcome.result), outcome.log, outcome.firstGame, Today());
    SaveDeck();
    ShowStatus();
}

int DrillWindow::AddTableProblems(std::vector<DrillProblem> problems) {
    if (!deck_.unreadableFile.empty() || DrillFileName(deck_.name).empty()) return 0;
    const int added = deck_.AddTableProblems(std::move(problems));
    if (added == 0) return 0;
    SaveDeck();
    if (phase_ == Phase::kOver && isVisible()) StartSitting();
    ShowStatus();
    return added;
}

void DrillWindow::SaveDeck() {
    if (deck_.Save(directory_)) {
        saveFailureTold_ = false;
        return;
    }
    if (saveFailureTold_ || !hooks_.tell) return;
    saveFailureTold_ = true;
    hooks_.tell(tr("ドリル"), tr("ドリルのファイルを保存できませんでした。\n%1")
                                  .arg(Q(directory_ + DrillFileName(deck_.name))));
}

void DrillWindow::UserChanged(bool saveOld) {
    std::optional<DrillHarvester::Outcome> outcome = harvester_.Stop();
    if (outcome && saveOld) Merge(std::move(*outcome));
    WaitForPreparer();
    session_.reset();
    card_.reset();
    phase_ = Phase::kIdle;
    deck_.Load(user_.name, directory_);
    saveFailureTold_ = false;  // another user's file
    harvestLabel_->clear();
    if (isVisible()) StartSitting();
    ShowPosition();
    ShowStatus();
    HarvestNewGames();
}

void DrillWindow::Finish() {
    if (std::optional<DrillHarvester::Outcome> outcome = harvester_.Stop())
        Merge(std::move(*outcome));
    WaitForPreparer();
    poll_.stop();
    harvestLabel_->clear();
}

void DrillWindow::WaitForPreparer() {
    if (!preparer_.joinable()) return;
    // The card is dropped: its search need not end.
    stopPreparing_.store(true);
    preparer_.join();
    if (phase_ == Phase::kPreparing) phase_ = Phase::kIdle;
}

std::string DrillWindow::MenuText() const {
    return DrillMenuText(deck_, Today(), CurrentLanguage());
}

QString DrillWindow::verdict() const {
    return verdictLabel_->text();
}

void DrillWindow::keyPressEvent(QKeyEvent* event) {
    // As on the table: with nothing chosen, the arrows start from the drawn tile.
    const int from = selected_;
    switch (event->key()) {
        case Qt::Key_Left:
            if (phase_ == Phase::kAsking)
                Select(selected_ < 0 ? kDrawnSlot : std::max(0, from - 1));
            break;
        case Qt::Key_Right:
            if (phase_ == Phase::kAsking)
                Select(selected_ < 0 ? kDrawnSlot : std::min(kDrawnSlot, from + 1));
            break;
        case Qt::Key_Down:
            Answer(selected_);
            break;
        case Qt::Key_Space:
            Answer(kDrawnSlot);
            break;
        default:
            QDialog::keyPressEvent(event);
    }
}

void DrillWindow::Select(int slot) {
    selected_ = slot >= 0 && slot < kHandSlots && slots_[slot] != kNoTile ? slot : -1;
    for (int s = 0; s < kHandSlots; ++s) {
        const bool lifted = s == selected_;
        handLabels_[s]->move(layout::HandTile(s).topLeft() - QPoint(0, lifted ? kLift : 0));
        handLabels_[s]->setFrameStyle(lifted ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    }
}

void DrillWindow::Answer(int slot) {
    if (phase_ != Phase::kAsking || !session_ || slot < 0 || slot >= kHandSlots) return;
    const TileKind discard = slots_[slot];
    if (discard == kNoTile) return;
    const DrillGrade grade = session_->Answer(deck_, *card_, discard);
    SaveDeck();
    phase_ = Phase::kAnswered;
    Select(-1);
    ShowAnswer(discard, grade);
    ShowStatus();
}

void DrillWindow::ShowPosition() {
    KyokuState state;
    const bool shown = card_ && BuildProblemState(card_->position, state);
    slots_ = shown ? HandSlotKinds(state) : SlotKinds{};
    if (!shown) slots_.fill(kNoTile);
    for (int slot = 0; slot < kHandSlots; ++slot) {
        const TileKind k = slots_[slot];
        handLabels_[slot]->setVisible(k != kNoTile);
        if (k != kNoTile) handLabels_[slot]->setPixmap(tiles_[k]);
    }
    Select(selected_);
    const std::vector<TileKind> indicators =
        shown ? DoraIndicators(card_->position) : std::vector<TileKind>{};
    for (int i = 0; i < kMaxDoraIndicators; ++i) {
        const bool on = i < static_cast<int>(indicators.size()) && IsValidKind(indicators[i]);
        doraLabels_[i]->setVisible(on);
        if (on) doraLabels_[i]->setPixmap(tiles_[indicators[i]]);
    }
    // A fourth indicator starts a column over the right of the discard area, where the text of
    // a table problem wraps: the text keeps clear of it.
    QRect text = layout::kDiscardArea;
    if (static_cast<int>(indicators.size()) > kIndicatorRows)
        text.setRight(IndicatorRect(kIndicatorRows).left() - layout::Px(kIndicatorGap));
    tableLabel_->setGeometry(text);
    ShowTable(shown ? card_->position : DrillPosition());
    // A problem never comes from a hand in riichi: its discards all stand upright.
    const std::vector<TileKind> none;
    const std::vector<TileKind>& discards = shown ? card_->position.discards : none;
    for (int t = 1; t <= kMaxTurns; ++t) {
        const bool on = t <= static_cast<int>(discards.size()) && IsValidKind(discards[t - 1]);
        discardLabels_[t - 1]->setVisible(on);
        if (on) discardLabels_[t - 1]->setPixmap(tiles_[discards[t - 1]]);
    }
    // At a table the turn searched is not the player's: the player's discard is shown.
    const int turn = !shown                  ? 0
                     : card_->position.table ? card_->position.table->discardNumber
                                             : card_->position.turn;
    turnLabel_->setText(shown ? tr("%1巡目　何を切る？").arg(turn) : QString());
    if (phase_ == Phase::kPreparing) {
        messageLabel_->setText(tr("準備中…"));
    } else if (phase_ == Phase::kOver) {
        messageLabel_->setText(
            deck_.problems.empty()
                ? tr("今日の問題はすべて終わりました。\n局を打つと、損の大きかった"
                     "打牌がここに問題として出ます。")
                : tr("今日の問題はすべて終わりました。"));
    } else {
        messageLabel_->clear();
    }
    messageLabel_->setVisible(!shown);
    next_->setEnabled(phase_ == Phase::kAnswered);
    report_->setEnabled(phase_ == Phase::kAnswered);
}

void DrillWindow::ShowTable(const DrillPosition& position) {
    tableLabel_->setVisible(position.table.has_value());
    if (!position.table) return;
    const DrillTable& t = *position.table;
    const auto wind = [](TileKind k) { return tr(kWindNames[(k - kEast) & 3]); };
    tableLabel_->setText(
        tr("%1場 %2家（%3）")
            .arg(wind(t.roundWind), wind(t.seatWind), t.dealer ? tr("親") : tr("子")) +
        QLatin1Char('\n') + tr("%1%2局").arg(wind(t.roundWind)).arg(t.kyoku) + QLatin1Char('\n') +
        QString::fromStdString(t.source));
}

void DrillWindow::ShowAnswer(TileKind discard, DrillGrade grade) {
    answered_ = discard;
    grade_ = grade;
    const bool right = grade != DrillGrade::kWrong;
    verdictLabel_->setText(right ? tr("正解") : tr("不正解"));
    verdictLabel_->setStyleSheet(right ? QStringLiteral("color: #1a7f37")
                                       : QStringLiteral("color: #c62828"));
    const DrillCandidate* made = FindCandidate(card_->candidates, discard);
    lossLabel_->setText(made != nullptr
                            ? tr("損失 %1点").arg(card_->bestValue - made->value, 0, 'f', 1)
                            : tr("損失 —\n（向聴数が下がる打牌）"));

    candidates_->setRowCount(static_cast<int>(card_->candidates.size()));
    int row = 0;
    for (const DrillCandidate& c : card_->candidates) {
        QString marks;
        if (card_->best[c.discard]) marks += tr(" 最善");
        if (c.discard == discard) marks += tr(" ←あなた");
        auto* tile = new QTableWidgetItem(QIcon(tiles_[c.discard]), marks);
        const QString cells[] = {QString::number(c.value, 'f', 1), Percent(c.win),
                                 Percent(c.ready)};
        candidates_->setItem(row, 0, tile);
        for (int col = 1; col <= 3; ++col) {
            auto* item = new QTableWidgetItem(cells[col - 1]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            candidates_->setItem(row, col, item);
        }
        if (c.discard == discard || card_->best[c.discard]) {
            const QColor shade =
                card_->best[c.discard] ? QColor(214, 238, 214) : QColor(250, 224, 224);
            for (int col = 0; col < 4; ++col) candidates_->item(row, col)->setBackground(shade);
        }
        ++row;
    }
    ShowPosition();
}

void DrillWindow::ShowStatus() {
    statusLabel_->setText(Q(DrillStatusLine(deck_, Today(), CurrentLanguage())));
}

void DrillWindow::OpenReport() {
    KyokuState state;
    if (card_ && BuildProblemState(card_->position, state)) hooks_.openReport(state);
}

void DrillWindow::OpenProgressPage() {
    if (!hooks_.publish("Drill.htm", DrillPage(deck_, Today(), CurrentLanguage())))
        QMessageBox::warning(
            this, tr("エラー"),
            tr("ページを書き込めませんでした。\n%1").arg(Q(directory_ + "Drill.htm")));
}

void DrillWindow::ShowHeaders() {
    candidates_->setHorizontalHeaderLabels({tr("打牌"), tr("期待値"), tr("和了率"), tr("聴牌率")});
}

void DrillWindow::SetTileNumbers(bool on) {
    for (TileKind k = 0; k < kKinds; ++k) tiles_[k] = WindowTile(k, on);
    ShowCard();
}

void DrillWindow::ShowCard() {
    if (phase_ == Phase::kAnswered && card_)
        ShowAnswer(answered_, grade_);
    else
        ShowPosition();
}

void DrillWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    RetranslateTree(this);
    setWindowTitle(tr("ドリル"));
    ShowHeaders();
    ShowCard();
    ShowStatus();
}

}  // namespace mizaro
