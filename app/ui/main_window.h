// MainWindow: the single window of the program. It shows the game of GameFlow (hand, drawn
// tile, discards, dora indicator, assist marks, shanten and a status line with the player's
// results), carries every command in its menus, buttons and keys, and owns the settings and
// both statistics for the whole run: they are written when the window closes.
#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "app/display_settings.h"
#include "app/game_flow.h"
#include "app/page_output.h"
#include "app/save_notice.h"
#include "app/settings.h"
#include "app/simulation_controller.h"
#include "app/ui/held_key_guard.h"
#include "app/ui/page_opener.h"
#include "app/ui/riichi_pacer.h"
#include "app/ui/search_runner.h"
#include "app/ui/table_widget.h"
#include "online/online_game.h"
#include "platform/program_directory.h"
#include "stats/stat_summary.h"

class QAbstractButton;
class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;

namespace mizaro {

class DetailDialog;
class DrillWindow;
struct AnalysisText;

inline constexpr const char* kWindowTitlePrefix = "Mizaro     ";

class MainWindow : public QMainWindow, public GameView, public SimulationHost {
    Q_OBJECT

  public:
    // Reads the settings and the statistics from `dataDirectory` (ending with '/'), writes the
    // tile pictures there when missing, and deals the first game.
    explicit MainWindow(const std::string& dataDirectory, QWidget* parent = nullptr);
    ~MainWindow() override;

    GameFlow& flow() { return flow_; }
    Settings& settings() { return settings_; }
    StatSummary& comStats() { return comStats_; }
    QAction* action(int commandId) const;
    QAbstractButton* button(int controlId) const;
    QComboBox* assistCombo() const { return assistCombo_; }
    const std::string& statusText() const { return statusText_; }
    const std::string& infoText() const { return infoText_; }
    bool showShanten() const { return showShanten_; }
    bool editChecked() const { return editChecked_; }
    const std::string& dataDirectory() const { return dataDirectory_; }
    // The language of the window's texts, for the pages and texts written in it.
    Language language() const;
    const DisplaySettings& display() const { return display_; }
    // Stores a display choice and applies it at once to every open window.
    void SetLanguageChoice(LanguageChoice choice);
    void SetTileNumbers(bool on);

    // The painting rules: what each control shows for the game as it stands.
    void Refresh();
    // The enable, tick and text rules of every command, applied to the widgets.
    void UpdateCommands();
    // Switches the statistics and the title to another user, saving the current user's
    // statistics first unless its files were just deleted. When they cannot be saved, says so
    // and keeps the current user (false).
    bool SwitchUser(const std::string& name, bool saveCurrent = true);
    // Writes a page into the data directory and opens it; false (nothing opened) when it could
    // not be written, so the caller can say so.
    bool PublishPage(const std::string& fileName, const std::string& utf8Html,
                     PageEncoding encoding);
    bool PublishPage(const std::string& fileName, const std::string& utf8Html,
                     Language pageLanguage) {
        return PublishPage(fileName, utf8Html, EncodingOf(pageLanguage));
    }
    void SetPageOpener(PageOpener opener) { pageOpener_ = std::move(opener); }
    // Where the program's own files (the help pages) are looked for; the running program's
    // folder unless a test says otherwise.
    void SetProgramDirectory(std::string dir) { programDirectory_ = std::move(dir); }

    // A termination request (a signal, the end of the session): stops a simulation, then closes
    // the window and ends the program, saving as a close does but asking nothing.
    void QuitOnRequest();

    // Starts the computer's games on a worker thread, or stops them.
    void ToggleSimulation();
    SimulationController& simulation() { return simulation_; }
    // The statistics page of the user beside the computer, and the text reports 1..4.
    void ShowStatisticsPage();
    void CopyStatText(int kind);

    // GameView
    void RequestRepaint(bool now) override;
    void ShowMessage(const std::string& caption, const std::string& text) override;
    void ShowGameEnd(const GameEnd& end) override;
    bool ScheduleAutomaticStep() override;
    int PointerSlot() const override;
    void MovePointerToSlot(int slot) override;
    void SetBusy(bool busy) override;

    // The hand slot whose rectangle strictly contains a point of the table, or -1.
    static int SlotAt(QPoint tablePoint);
    // The hand slot shown as under the pointer, or -1.
    int hoveredSlot() const { return hovered_; }
    QWidget* table() const { return table_; }
    // The detailed-analysis window, hidden until the first analysis.
    DetailDialog* detailDialog() const { return detailDialog_; }
    // The drill window, hidden until the drill is opened; it harvests the user's games.
    DrillWindow* drillWindow() const { return drillWindow_; }
    // Replays the records of `summary` under the progress window and shows the result.
    void RunDetailAnalysis(StatSummary& summary);

    // SimulationHost: the worker's requests, queued for the interface thread.
    void PostRepaint() override;
    void PostResultBox() override;
    void PostFinished() override;
    void GameRecorded() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void BuildTable();
    // The tile pictures of the table, with numerals when the display asks for them.
    void DrawTiles();
    // The Language / 言語 menu and the numerals item of the 設定 menu.
    void AddDisplayCommands(QMenu* setup);
    void BuildMenus();
    void BuildKeys();
    // `text` and `title` are source texts, marked with QT_TR_NOOP; they follow the language.
    QAction* AddCommand(QMenu* menu, int id, const char* text, QKeySequence key = {});
    QMenu* AddMenu(QMenu* menu, const char* title);
    QAction* AddKey(int id, std::initializer_list<QKeySequence> keys);
    QPushButton* AddButton(int id, const char* caption, const QRect& where, bool checkable);
    QLabel* AddTileLabel(const QRect& where);
    void SetUserTitle(const std::string& name);
    void ConnectAnalysisCommands();
    void NanikiruReport(int slack);
    void ReportOn(const KyokuState& state, int slack);
    void BuildDrillWindow();
    void RiichiReport();
    void CopyProblemText();
    void ShowAnalysisPage(const std::string& fileName, const AnalysisText& page);
    // Names, once per file in a run, the files found but not readable: they are kept as they
    // are, so what is played meanwhile is not saved into them. Names too the logs whose lost
    // counters were counted again from their games.
    void TellUnreadableFiles();
    // Writes the settings and both statistics for the close; when that fails, asks whether to
    // try again, to close without them or to stay open. False: stay open.
    bool SaveForClose();
    // Saves at the desktop's request before the session ends, and when the program is ending
    // without its window having been closed.
    void ConnectSessionEnd();
    void SaveStatsQuietly();
    void ReportSaveFailureOnStderr() const;

    void MouseMoved(QPoint tablePoint);
    void MouseReleased(Qt::MouseButton button, QPoint tablePoint);
    void SetShowShanten(bool on);
    void SetShowResult(bool on);
    void SetEditing(bool on);
    void SavePosition();
    void LoadPosition();
    // The hand in text notation: the two ファイル menu items, copying and reading.
    void AddNotationCommands(QMenu* file);
    void CopyHandNotation();
    void ReadHandNotation();
    void UserSettings();
    void EraseUserData();
    void ShowAbout();
    // The help menu's pages and the tooltips that say what each button does.
    void BuildHelpCommands();
    void ShowHelp();
    void ShowGameReview();
    // 牌譜を読み込む; the log read from the clipboard or a file, nothing when none was chosen.
    // The costly discards of the player join the drill.
    void ImportGameLog();
    std::optional<OnlineRead> ReadImportedLog();
    void BuildDetailAnalysis();
    // Writes Display.ini, telling the player when it cannot.
    void SaveDisplay();
    // A modal message box; the button pressed. A box `aside` reports on the game and is placed
    // where the game stays in sight.
    // ShowMessage for a text of the window's own, translated already.
    void Tell(const QString& caption, const QString& text);
    int ShowBox(const std::string& caption, const std::string& text, int buttons,
                bool aside = false);
    // Runs a modal box; the keys pressed on it do not reach the game after it.
    int RunBox(QDialog& box);
    // Moves a shown box off the hand, the discards and the dora indicator.
    void PlaceAside(QWidget* box);
    void BuildSimulationCommands();
    void StartSimulation();
    void EndSimulation();
    void ShowSimulationResult();

    std::string dataDirectory_;
    PageOpener pageOpener_ = OpenWithDesktop;
    std::string programDirectory_ = ProgramDirectory();
    Settings settings_;
    DisplaySettings display_;
    GameFlow flow_{*this};
    StatSummary comStats_;
    bool showShanten_ = true;
    bool editChecked_ = false;
    int simInterval_ = 0;
    std::string infoText_;
    std::string statusText_;
    QPoint pointer_{-1, -1};  // the last known pointer position on the table
    int hovered_ = -1;
    std::set<std::string> toldUnreadable_;
    bool quitRequested_ = false;
    std::string lastImportedPlayer_;  // preselected in the next import's player dialog
    SaveNotice comSaveNotice_;

    std::array<QPixmap, kKinds> tiles_;
    std::array<QPixmap, kKinds> turnedTiles_;  // the riichi discard
    TableWidget* table_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QLabel* infoLabel_ = nullptr;
    QLabel* doraLabel_ = nullptr;
    QComboBox* assistCombo_ = nullptr;
    std::array<QLabel*, kHandSlots> handLabels_{};
    std::array<QLabel*, kHandSlots> markLabels_{};
    std::array<QLabel*, kMaxTurns> discardLabels_{};
    std::map<int, QAction*> actions_;
    std::map<int, QAbstractButton*> buttons_;
    DetailDialog* detailDialog_ = nullptr;
    DrillWindow* drillWindow_ = nullptr;
    QDialog* openBox_ = nullptr;  // the message box being shown, if any
    SearchRunner searches_{this};
    HeldKeyGuard keyGuard_;
    RiichiPacer pacer_{[this] { flow_.AutomaticStep(); }, [this] { flow_.FinishAutomatic(); },
                       keyGuard_};
    // Last, so the worker is stopped before anything it reaches goes.
    SimulationController simulation_{*this};
};

}  // namespace mizaro
