// The simulation in the window: the start and stop command, and the worker's requests carried
// over to the interface thread (repaints, result boxes, the end of a run the worker ended).
#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <algorithm>
#include <optional>

#include "app/ui/command_ids.h"
#include "app/ui/main_window.h"
#include "app/ui/ui_language.h"

namespace mizaro {

namespace {

constexpr int kLowestLevel = 1;
constexpr int kHighestLevel = 3;
constexpr int kPumpMs = 10;

}  // namespace

void MainWindow::BuildSimulationCommands() {
    connect(action(command::kSimulation), &QAction::triggered, this,
            [this] { ToggleSimulation(); });
    connect(action(command::kStatistics), &QAction::triggered, this,
            [this] { ShowStatisticsPage(); });
    connect(button(command::kStatisticsButton), &QAbstractButton::clicked, this,
            [this] { ShowStatisticsPage(); });
    const struct {
        int id;
        QKeySequence key;
        int kind;
    } reports[] = {
        {command::kStatTextFigures, QKeySequence(Qt::Key_F6), 1},
        {command::kStatTextYaku, QKeySequence(Qt::Key_F7), 2},
        {command::kStatTextShanten, QKeySequence(Qt::Key_F8), 3},
        {command::kStatTextAll, QKeySequence(Qt::Key_F9), 4},
        {command::kStatTextCopy, QKeySequence(Qt::CTRL | Qt::Key_C), 4},
    };
    for (const auto& r : reports) {
        const int kind = r.kind;
        connect(AddKey(r.id, {r.key}), &QAction::triggered, this,
                [this, kind] { CopyStatText(kind); });
    }
}

void MainWindow::ToggleSimulation() {
    if (flow_.simRunning) {
        // A result box still open belongs to the run that is ending.
        if (openBox_ != nullptr) openBox_->done(QMessageBox::Cancel);
        SetBusy(true);
        simulation_.Stop([] { QCoreApplication::processEvents(QEventLoop::AllEvents, kPumpMs); });
        SetBusy(false);
        EndSimulation();
        return;
    }
    StartSimulation();
}

void MainWindow::StartSimulation() {
    // The computer plays a dealt game; an edited position would be left behind half-edited.
    if (editChecked_) button(command::kEditButton)->setChecked(false);
    SimulationOptions options;
    options.level = std::clamp(settings_.SimShan, kLowestLevel, kHighestLevel);
    options.mode = flow_.state.mode;
    options.simClear = settings_.SimClear;
    options.simDisp = flow_.simDisp;
    options.simInterval = simInterval_;
    options.showResult = flow_.showResult;
    options.language = CurrentLanguage();
    // Snapshots land beside the statistics they were taken from.
    options.snapshotDirectory = dataDirectory_;
    options.statsDirectory = dataDirectory_;

    MouseMoved(QPoint(-1, -1));  // no tile stays lifted while the computer plays
    flow_.simRunning = true;
    flow_.playMode = kSimulationMode;
    flow_.ClearAssist();
    flow_.state.simLevel = options.level;
    simulation_.Start(comStats_, options);
    Refresh();
}

void MainWindow::EndSimulation() {
    flow_.simRunning = false;
    flow_.playMode = kPlayMode;
    // The computer's games are saved again at the close; a quit reports on stderr instead.
    if (comSaveNotice_.ShouldTell(!simulation_.statsSaveFailed()) && !quitRequested_)
        ShowMessage(SaveFailedCaption(CurrentLanguage()),
                    SaveFailedText(dataDirectory_, CurrentLanguage()));
    // The computer's game in progress is abandoned; the player gets a new deal.
    flow_.NewGame();
    Refresh();
}

void MainWindow::ShowSimulationResult() {
    const std::optional<SimulationResultBox> box = simulation_.TakeResultBox();
    if (!box) return;
    const int answer = ShowBox(
        box->caption, box->text,
        box->exhausted ? (QMessageBox::Retry | QMessageBox::Cancel).toInt() : QMessageBox::Ok,
        true);
    simulation_.AnswerResultBox(answer == QMessageBox::Retry || answer == QMessageBox::Ok);
}

void MainWindow::PostRepaint() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            simulation_.RepaintDone();
            if (flow_.simRunning) Refresh();
        },
        Qt::QueuedConnection);
}

void MainWindow::PostResultBox() {
    QMetaObject::invokeMethod(
        this, [this] { ShowSimulationResult(); }, Qt::QueuedConnection);
}

void MainWindow::PostFinished() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (simulation_.Finish()) EndSimulation();
        },
        Qt::QueuedConnection);
}

}  // namespace mizaro
