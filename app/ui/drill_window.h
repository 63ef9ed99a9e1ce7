// DrillWindow: practice of the player's own costliest discards, beside the main window.
//
// The window owns the current user's drill deck and its harvest. New games are harvested on a
// worker while the player plays (DrillHarvester); the outcome is merged and saved here, on the
// interface thread. A sitting shows one problem at a time the way the table shows a position;
// its card is prepared on a worker (a returning problem is searched again), and the window
// takes no discard until it is ready. After the discard it shows every candidate's values,
// the verdict and the loss.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "app/drill_harvester.h"
#include "app/hand_slots.h"
#include "stats/drill_deck.h"
#include "stats/drill_session.h"
#include "stats/stat_summary.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace mizaro {

class TableWidget;

class DrillWindow : public QDialog {
    Q_OBJECT

  public:
    // What the window asks of the main window.
    struct Hooks {
        // Writes and opens the what-to-discard page of a position.
        std::function<void(const KyokuState&)> openReport;
        // Writes a page into the data directory and opens it; false when it could not write.
        std::function<bool(const std::string& fileName, const std::string& utf8Html)> publish;
        // Tells the player something in a message box.
        std::function<void(const QString& caption, const QString& text)> tell;
    };

    // `user`: the statistics whose records are harvested, read on the interface thread only.
    // Reads the deck of `user` from `directory` (ending with '/').
    DrillWindow(const StatSummary& user, std::string directory, Hooks hooks,
                QWidget* parent = nullptr);
    ~DrillWindow() override;

    // Shows the window and starts a sitting unless one is under way.
    void Open();
    // Starts a harvest of the user's games not harvested yet; one under way goes on, and the
    // games recorded meanwhile follow it.
    void HarvestNewGames();
    // The statistics now belong to another user: stops the harvest, keeps what it finished in
    // the old deck (saved unless `saveOld` is false: its user was deleted) and reads the new.
    void UserChanged(bool saveOld);
    // Stops the harvest and saves the deck with the games it finished.
    void Finish();
    // Adds the problems of an imported game (TableProblems) that the deck does not hold, saves
    // and, when the sitting was over, starts one; the number added, 0 when the deck cannot be
    // saved (its file was unreadable, or the user has none).
    int AddTableProblems(std::vector<DrillProblem> problems);

    const DrillDeck& deck() const { return deck_; }
    std::string MenuText() const;
    const DrillHarvester& harvester() const { return harvester_; }
    // The card shown, answered or not; nullptr while none is.
    const DrillCard* card() const { return card_ ? &*card_ : nullptr; }
    // The card is being prepared: no discard is taken.
    bool preparing() const { return phase_ == Phase::kPreparing; }
    QString verdict() const;
    // Numerals in the corners of the tiles, for players who do not read kanji.
    void SetTileNumbers(bool on);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    enum class Phase { kIdle, kPreparing, kAsking, kAnswered, kOver };

    void BuildTable(QWidget* table);
    void StartSitting();
    void NextCard();
    void Poll();
    void Answer(int slot);
    void Select(int slot);
    void ShowPosition();
    void ShowTable(const DrillPosition& position);
    void ShowAnswer(TileKind discard, DrillGrade grade);
    void ShowHeaders();
    // The answer when one is shown, else the position.
    void ShowCard();
    void ShowStatus();
    void Merge(DrillHarvester::Outcome outcome);
    void WaitForPreparer();
    void OpenReport();
    void OpenProgressPage();

    const StatSummary& user_;
    std::string directory_;
    // Writes the deck; a failure is told once until a save succeeds again, since every answer
    // saves and the player's progress would otherwise be lost unseen.
    void SaveDeck();
    bool saveFailureTold_ = false;
    Hooks hooks_;
    DrillDeck deck_;
    DrillHarvester harvester_;
    std::optional<DrillSession> session_;
    Phase phase_ = Phase::kIdle;
    std::optional<DrillCard> card_;
    SlotKinds slots_{};
    int selected_ = -1;
    // The answer shown, so a change of language can show it again.
    TileKind answered_ = kNoTile;
    DrillGrade grade_ = DrillGrade::kWrong;

    // The card being prepared: the worker's until `prepared_`, then joined and taken.
    std::thread preparer_;
    std::atomic<bool> prepared_{false};
    std::atomic<bool> stopPreparing_{false};  // set when the card will not be shown
    DrillCard preparedCard_;
    QTimer poll_;

    std::array<QPixmap, kKinds> tiles_;
    TableWidget* table_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QLabel* turnLabel_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    QLabel* verdictLabel_ = nullptr;
    QLabel* lossLabel_ = nullptr;
    // The indicators, the first where the table shows it and the later ones below and beside.
    std::array<QLabel*, kMaxDoraIndicators> doraLabels_{};
    QLabel* tableLabel_ = nullptr;  // where a table problem was met, over its empty discards
    QLabel* harvestLabel_ = nullptr;
    std::array<QLabel*, kHandSlots> handLabels_{};
    std::array<QLabel*, kMaxTurns> discardLabels_{};
    QTableWidget* candidates_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* report_ = nullptr;
};

}  // namespace mizaro
