#include "app/ui/detail_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "app/detail_settings.h"
#include "app/ui/clipboard.h"
#include "app/ui/source_text.h"
#include "app/ui/ui_language.h"
#include "core/scoring/yaku_names.h"

namespace mizaro {

namespace {

constexpr int kRecentId = 1073;
constexpr int kFirstRangeId = 1074;  // 1074..1077: deal from, to; end from, to
constexpr int kReach0Id = 1078;
constexpr int kReach1Id = 1079;
constexpr int kModeIds[] = {1080, 1081, 1083, 1084};
constexpr int kAndId = 1100;
constexpr int kOrId = 1101;
constexpr int kYakuListId = 1102;
constexpr int kApplyId = 1043;
constexpr int kClearId = 1103;
constexpr int kTabsId = 1085;
constexpr int kLowestShanten = -1;
constexpr int kHighestShanten = 6;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Id(int id) {
    return QStringLiteral("c%1").arg(id);
}

// Where each list of the six sits: its page and its place in `lists_`.
int ListIndex(int page, int listId) {
    for (int i = 0; i < kDetailListCount; ++i)
        if (kDetailLists[i].page == page && kDetailLists[i].list == listId) return i;
    return -1;
}

// The widths of the layout suit a small font; in the program's font "リーチ成功確率" or a yaku
// name would be cut short. A column is never narrower than its header and its widest cell. The
// header is asked itself: a view not yet shown leaves it out of resizeColumnToContents.
void FitColumns(QTreeWidget* view, const std::vector<ListColumn>& columns) {
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        view->resizeColumnToContents(c);
        const int width =
            std::max({view->columnWidth(c), view->header()->sectionSizeHint(c), columns[c].width});
        view->setColumnWidth(c, width);
    }
}

}  // namespace

DetailDialog::DetailDialog(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    ShowTitle();
    setModal(false);
    auto* top = new QHBoxLayout(this);
    top->addWidget(BuildFilters(), 0);

    auto* right = new QVBoxLayout;
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(Id(kTabsId));
    for (int page = 0; page < kDetailPageCount; ++page)
        tabs_->addTab(BuildPage(page), Q(DetailPageLabel(page, CurrentLanguage())));
    right->addWidget(tabs_, 1);
    // Said beside the lists, not in them: their copy text stays the plain table.
    skippedLine_ = new QLabel(this);
    right->addWidget(skippedLine_);
    top->addLayout(right, 1);

    SetControlsFromSettings();
    tabs_->setCurrentIndex(std::clamp(settings_.AnaSelectTab, 0, kDetailPageCount - 1));
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { ShowCurrentPage(); });
    // The pages show zero totals until the first analysis.
    RefreshPages();
    resize(900, 560);
}

QGroupBox* DetailDialog::BuildFilters() {
    filterBox_ = new QGroupBox(this);
    SetSourceText(filterBox_, staticMetaObject.className(), QT_TR_NOOP("集計条件"));
    auto* box = new QVBoxLayout(filterBox_);

    auto* recentRow = new QHBoxLayout;
    recentRow->addWidget(Label(QT_TR_NOOP("最近の")));
    recent_ = new QComboBox;
    recent_->setObjectName(Id(kRecentId));
    recent_->setEditable(true);
    recent_->setInsertPolicy(QComboBox::NoInsert);
    recent_->addItems({QStringLiteral("100"), QStringLiteral("1000"), QStringLiteral("10000")});
    // Typing applies at once; picking from the list only fills the field, for the next apply.
    connect(recent_->lineEdit(), &QLineEdit::textEdited, this, [this] { ApplyControls(); });
    recentRow->addWidget(recent_);
    recentRow->addWidget(Label(QT_TR_NOOP("局")));
    box->addLayout(recentRow);

    const char* rangeLabels[] = {QT_TR_NOOP("配牌時の向聴数"), QT_TR_NOOP("終局時の向聴数")};
    for (int pair = 0; pair < 2; ++pair) {
        box->addWidget(Label(rangeLabels[pair]));
        auto* row = new QHBoxLayout;
        for (int side = 0; side < 2; ++side) {
            const int index = pair * 2 + side;
            auto* combo = new QComboBox;
            combo->setObjectName(Id(kFirstRangeId + index));
            for (int s = kLowestShanten; s <= kHighestShanten; ++s)
                combo->addItem(QString::number(s));
            connect(combo, &QComboBox::currentIndexChanged, this,
                    [this, index] { RangeChanged(kFirstRangeId + index); });
            ranges_[index] = combo;
            if (side == 1) row->addWidget(Label(QT_TR_NOOP("～")));
            row->addWidget(combo);
        }
        box->addLayout(row);
    }

    reach1_ = new QCheckBox;
    SetSourceText(reach1_, staticMetaObject.className(), QT_TR_NOOP("リーチあり"));
    reach1_->setObjectName(Id(kReach1Id));
    reach0_ = new QCheckBox;
    SetSourceText(reach0_, staticMetaObject.className(), QT_TR_NOOP("リーチなし"));
    reach0_->setObjectName(Id(kReach0Id));
    // The check boxes and the modes go side by side, which leaves the yaku list room for six
    // rows at the size the window opens with.
    auto* reachRow = new QHBoxLayout;
    for (QCheckBox* c : {reach1_, reach0_}) {
        connect(c, &QCheckBox::toggled, this, [this] { ApplyControls(); });
        reachRow->addWidget(c);
    }
    box->addLayout(reachRow);

    modes_ = new QButtonGroup(this);
    const char* modeLabels[] = {QT_TR_NOOP("ノーマルモード"), QT_TR_NOOP("チンイツモード"),
                                QT_TR_NOOP("ホンイツモード"), QT_TR_NOOP("国士モード")};
    auto* modeGrid = new QGridLayout;
    for (int m = 0; m < 4; ++m) {
        auto* radio = new QRadioButton;
        SetSourceText(radio, staticMetaObject.className(), modeLabels[m]);
        radio->setObjectName(Id(kModeIds[m]));
        modes_->addButton(radio, m);
        modeGrid->addWidget(radio, m / 2, m % 2);
    }
    box->addLayout(modeGrid);
    connect(modes_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) ApplyControls();
    });

    yaku_ = new QListWidget;
    yaku_->setObjectName(Id(kYakuListId));
    yaku_->setSelectionMode(QAbstractItemView::MultiSelection);
    for (YakuId k = 0; k < kYakuCount; ++k) yaku_->addItem(QString());
    ShowYakuNames();
    connect(yaku_, &QListWidget::itemSelectionChanged, this, [this] { ApplyControls(); });
    box->addWidget(yaku_, 1);

    auto* logicRow = new QHBoxLayout;
    yakuMode_ = new QButtonGroup(this);
    auto* andRadio = new QRadioButton(QStringLiteral("AND"));
    andRadio->setObjectName(Id(kAndId));
    auto* orRadio = new QRadioButton(QStringLiteral("OR"));
    orRadio->setObjectName(Id(kOrId));
    yakuMode_->addButton(andRadio, 0);
    yakuMode_->addButton(orRadio, 1);
    logicRow->addWidget(andRadio);
    logicRow->addWidget(orRadio);
    connect(yakuMode_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) ApplyControls();
    });
    box->addLayout(logicRow);

    auto* buttonRow = new QHBoxLayout;
    apply_ = new QPushButton;
    SetSourceText(apply_, staticMetaObject.className(), QT_TR_NOOP("集計"));
    apply_->setObjectName(Id(kApplyId));
    clear_ = new QPushButton;
    SetSourceText(clear_, staticMetaObject.className(), QT_TR_NOOP("条件クリア"));
    clear_->setObjectName(Id(kClearId));
    for (QPushButton* b : {apply_, clear_}) {
        // Enter ends the window; it never presses one of these.
        b->setAutoDefault(false);
        buttonRow->addWidget(b);
    }
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyControls(); });
    connect(clear_, &QPushButton::clicked, this, [this] { ClearYaku(); });
    box->addLayout(buttonRow);
    return filterBox_;
}

QWidget* DetailDialog::BuildPage(int page) {
    auto* widget = new QWidget;
    auto* row = new QHBoxLayout(widget);
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kDetailListCount; ++i) {
        if (kDetailLists[i].page != page) continue;
        const ListTable layout = DetailList(kDetailLists[i], DetailTotals{}, CurrentLanguage());
        auto* view = new QTreeWidget;
        view->setObjectName(QStringLiteral("l%1_%2").arg(page).arg(kDetailLists[i].list));
        view->setRootIsDecorated(false);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setUniformRowHeights(true);
        view->setColumnCount(static_cast<int>(layout.columns.size()));
        QTreeWidgetItem* header = view->headerItem();
        for (int c = 0; c < static_cast<int>(layout.columns.size()); ++c) {
            const ListColumn& column = layout.columns[c];
            header->setText(c, Q(column.header));
            header->setTextAlignment(c, column.right ? Qt::AlignRight : Qt::AlignLeft);
            view->setColumnWidth(c, column.width);
        }
        view->header()->setStretchLastSection(false);
        // The style's least section width is far wider than a turn number needs; the list's own
        // narrowest column sets it, so the 18 turns of the points list fit beside the filters.
        const auto narrowest = std::min_element(
            layout.columns.begin(), layout.columns.end(),
            [](const ListColumn& a, const ListColumn& b) { return a.width < b.width; });
        view->header()->setMinimumSectionSize(narrowest->width);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QTreeWidget::customContextMenuRequested, this,
                [this, view](const QPoint& at) { ShowListMenu(view, at); });
        lists_[i] = view;
        row->addWidget(view, page == 0 && kDetailLists[i].list == kLeftList ? 2 : 3);
    }
    return widget;
}

QTreeWidget* DetailDialog::list(int page, int listId) const {
    const int i = ListIndex(page, listId);
    return i < 0 ? nullptr : lists_[i];
}

QComboBox* DetailDialog::rangeCombo(int id) const {
    const int index = id - kFirstRangeId;
    return index >= 0 && index < 4 ? ranges_[index] : nullptr;
}

void DetailDialog::SetControlsFromSettings() {
    settingControls_ = true;
    const Settings& s = settings_;
    recent_->setEditText(QString::number(s.FilterKyoku));
    const int bounds[] = {s.FilterHai1, s.FilterHai2, s.FilterLast1, s.FilterLast2};
    for (int i = 0; i < 4; ++i)
        ranges_[i]->setCurrentIndex(std::clamp(bounds[i], kLowestShanten, kHighestShanten) + 1);
    reach1_->setChecked(s.FilterReach1 != 0);
    reach0_->setChecked(s.FilterReach0 != 0);
    if (QAbstractButton* m = modes_->button(s.FilterMode)) m->setChecked(true);
    if (QAbstractButton* m = yakuMode_->button(s.FilterYakuMode)) m->setChecked(true);
    for (YakuId k = 0; k < kYakuCount; ++k)
        yaku_->item(k)->setSelected(k < static_cast<int>(s.FilterYaku.size()) &&
                                    s.FilterYaku[k] == '1');
    yaku_->scrollToTop();
    settingControls_ = false;
}

void DetailDialog::RangeChanged(int id) {
    if (settingControls_) return;
    // The other end of the range follows, so "from" never passes "to".
    const int index = id - kFirstRangeId;
    QComboBox* from = ranges_[index & ~1];
    QComboBox* to = ranges_[index | 1];
    settingControls_ = true;
    if (index % 2 == 0 && to->currentIndex() < from->currentIndex())
        to->setCurrentIndex(from->currentIndex());
    if (index % 2 == 1 && from->currentIndex() > to->currentIndex())
        from->setCurrentIndex(to->currentIndex());
    settingControls_ = false;
    ApplyControls();
}

void DetailDialog::ClearYaku() {
    if (replaying_) return;
    settingControls_ = true;
    yakuMode_->button(0)->setChecked(true);
    yaku_->clearSelection();
    settingControls_ = false;
    ApplyControls();
}

void DetailDialog::ApplyControls() {
    if (settingControls_ || replaying_) return;
    Settings& s = settings_;
    int kyoku = 0;
    if (std::sscanf(recent_->currentText().toStdString().c_str(), "%d", &kyoku) == 1)
        s.FilterKyoku = kyoku;
    s.FilterHai1 = ranges_[0]->currentIndex() - 1;
    s.FilterHai2 = ranges_[1]->currentIndex() - 1;
    s.FilterLast1 = ranges_[2]->currentIndex() - 1;
    s.FilterLast2 = ranges_[3]->currentIndex() - 1;
    s.FilterReach1 = reach1_->isChecked() ? 1 : 0;
    s.FilterReach0 = reach0_->isChecked() ? 1 : 0;
    if (modes_->checkedId() >= 0) s.FilterMode = modes_->checkedId();
    if (yakuMode_->checkedId() >= 0) s.FilterYakuMode = yakuMode_->checkedId();
    for (YakuId k = 0; k < kYakuCount; ++k)
        s.FilterYaku[k] = yaku_->item(k)->isSelected() ? '1' : '0';

    analysis_.filter = FilterFromSettings(s);
    analysis_.ApplyFilter();
    analysis_.Aggregate();
    RefreshPages();
    ShowCurrentPage();
}

void DetailDialog::ShowReplay(std::vector<ReplayedGame> games, int skipped, bool computers) {
    computers_ = computers;
    ShowTitle();
    analysis_.selected.clear();  // it pointed into the games being replaced
    analysis_.games = std::move(games);
    analysis_.skipped = skipped;
    skippedLine_->setText(
        skipped > 0 ? tr("再生できない記録 %1 局を集計から除外しました").arg(skipped) : QString());
    ApplyControls();
}

void DetailDialog::SetReplaying(bool replaying) {
    replaying_ = replaying;
    filterBox_->setEnabled(!replaying);
}

void DetailDialog::RefreshPages() {
    for (int i = 0; i < kDetailListCount; ++i) {
        QTreeWidget* view = lists_[i];
        const ListTable table = DetailList(kDetailLists[i], analysis_.totals, CurrentLanguage());
        // The headers too: the lists are filled again when the language changes.
        for (int c = 0; c < static_cast<int>(table.columns.size()); ++c)
            view->headerItem()->setText(c, Q(table.columns[c].header));
        view->clear();
        QList<QTreeWidgetItem*> items;
        for (const std::vector<std::string>& row : table.rows) {
            auto* item = new QTreeWidgetItem;
            for (int c = 0; c < static_cast<int>(row.size()); ++c) {
                item->setText(c, Q(row[c]));
                item->setTextAlignment(c, table.columns[c].right
                                              ? Qt::AlignRight | Qt::AlignVCenter
                                              : Qt::AlignLeft | Qt::AlignVCenter);
            }
            items.append(item);
        }
        view->addTopLevelItems(items);
        FitColumns(view, table.columns);
    }
}

void DetailDialog::ShowCurrentPage() {
    const int sel = tabs_->currentIndex();
    if (sel < 0) return;
    settings_.AnaSelectTab = sel;
}

void DetailDialog::ShowListMenu(QTreeWidget* view, const QPoint& at) {
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("コピー"));
    copy->setObjectName(Id(32815));
    if (menu.exec(view->viewport()->mapToGlobal(at)) == copy)
        CopyTextToClipboard(ListViewText(view));
}

std::string DetailDialog::ListViewText(const QTreeWidget* view) {
    QString text;
    const int columns = view->columnCount();
    for (int c = 0; c < columns; ++c) text += view->headerItem()->text(c) + QLatin1Char('\t');
    text += QLatin1Char('\n');
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* item = view->topLevelItem(r);
        for (int c = 0; c < columns; ++c) text += item->text(c) + QLatin1Char('\t');
        text += QLatin1Char('\n');
    }
    return text.toStdString();
}

QLabel* DetailDialog::Label(const char* source) {
    auto* label = new QLabel;
    SetSourceText(label, staticMetaObject.className(), source);
    return label;
}

void DetailDialog::ShowYakuNames() {
    for (YakuId k = 0; k < kYakuCount; ++k)
        yaku_->item(k)->setText(Q(std::string(YakuName(k, CurrentLanguage()))));
}

void DetailDialog::ShowTitle() {
    // The same window shows either side's games; the title tells them apart.
    setWindowTitle(computers_ ? tr("Mizaro  詳細解析ダイアログ(COM)")
                              : tr("Mizaro  詳細解析ダイアログ"));
}

void DetailDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    RetranslateTree(this);
    ShowTitle();
    ShowYakuNames();
    for (int page = 0; page < kDetailPageCount; ++page)
        tabs_->setTabText(page, Q(DetailPageLabel(page, CurrentLanguage())));
    RefreshPages();
    const int skipped = analysis_.skipped;
    skippedLine_->setText(
        skipped > 0 ? tr("再生できない記録 %1 局を集計から除外しました").arg(skipped) : QString());
}

void DetailDialog::keyPressEvent(QKeyEvent* event) {
    // Enter ends the window like Esc and the close box: it is hidden, not destroyed.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace mizaro
