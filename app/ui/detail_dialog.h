// The detailed-analysis window ("Mizaro  詳細解析ダイアログ"): the filter controls on the left,
// five tabbed pages of lists on the right. Modeless and created hidden; an analysis hands it
// the replayed games and shows it. Every filter change re-aggregates at once, without
// replaying; the filter values and the page last shown live in the settings.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "app/settings.h"
#include "stats/detail_analysis.h"
#include "stats/detail_lists.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace mizaro {

class DetailDialog : public QDialog {
    Q_OBJECT

  public:
    DetailDialog(Settings& settings, QWidget* parent = nullptr);

    // Takes the games of a finished (or stopped and kept) replay, filters, sums and refreshes;
    // `computers` when they are the computer's games rather than the user's.
    void ShowReplay(std::vector<ReplayedGame> games, int skipped, bool computers);
    // While a replay runs the filter controls are inert: a filter then has nothing to read.
    void SetReplaying(bool replaying);
    // Reads the controls into the settings, filters, sums, refreshes every page.
    void ApplyControls();

    const DetailAnalysis& analysis() const { return analysis_; }
    QTreeWidget* list(int page, int listId) const;
    QTabWidget* tabs() const { return tabs_; }
    QComboBox* recentCombo() const { return recent_; }
    QComboBox* rangeCombo(int id) const;  // 1074..1077
    QCheckBox* riichiBox(bool withRiichi) const { return withRiichi ? reach1_ : reach0_; }
    QButtonGroup* modeGroup() const { return modes_; }
    QButtonGroup* yakuModeGroup() const { return yakuMode_; }
    QListWidget* yakuList() const { return yaku_; }
    QPushButton* applyButton() const { return apply_; }
    QPushButton* clearButton() const { return clear_; }
    QGroupBox* filterBox() const { return filterBox_; }
    QLabel* skippedLine() const { return skippedLine_; }

    // A list view's contents as the copy command puts them on the clipboard.
    static std::string ListViewText(const QTreeWidget* view);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // A label whose source text follows the language.
    QLabel* Label(const char* source);
    void ShowTitle();
    void ShowYakuNames();
    QGroupBox* BuildFilters();
    QWidget* BuildPage(int page);
    void SetControlsFromSettings();
    void RangeChanged(int id);
    void ClearYaku();
    void RefreshPages();
    void ShowCurrentPage();
    void ShowListMenu(QTreeWidget* view, const QPoint& at);

    Settings& settings_;
    DetailAnalysis analysis_;
    bool replaying_ = false;
    bool computers_ = false;  // the games shown are the computer's
    bool settingControls_ = false;

    QGroupBox* filterBox_ = nullptr;
    QComboBox* recent_ = nullptr;
    std::array<QComboBox*, 4> ranges_{};
    QCheckBox* reach1_ = nullptr;
    QCheckBox* reach0_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    QButtonGroup* yakuMode_ = nullptr;
    QListWidget* yaku_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* clear_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLabel* skippedLine_ = nullptr;
    std::array<QTreeWidget*, kDetailListCount> lists_{};
};

}  // namespace mizaro
