// The analysis commands: the what-to-discard report, the riichi analysis and the problem text.
// The engine builds the text; the window refuses, shows the wait cursor while the search runs,
// and writes and opens the page or fills the clipboard.
#include <QAbstractButton>
#include <QAction>

#include "analysis/problem_text.h"
#include "analysis/report_page.h"
#include "analysis/riichi_analysis.h"
#include "app/ui/clipboard.h"
#include "app/ui/command_ids.h"
#include "app/ui/main_window.h"
#include "app/ui/tile_pictures.h"

namespace mizaro {

namespace {

// The wait cursor for as long as the search runs, however the command ends.
class BusyCursor {
  public:
    explicit BusyCursor(GameView& view) : view_(view) { view_.SetBusy(true); }
    ~BusyCursor() { view_.SetBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    GameView& view_;
};

}  // namespace

void MainWindow::ConnectAnalysisCommands() {
    const auto report = [this](int slack) { return [this, slack] { NanikiruReport(slack); }; };
    const auto riichi = [this] { RiichiReport(); };
    for (int id : {command::kNanikiru, command::kNanikiruKey})
        connect(actions_[id], &QAction::triggered, this, report(0));
    for (int id : {command::kNanikiruChanges, command::kNanikiruChangesKey})
        connect(actions_[id], &QAction::triggered, this, report(1));
    for (int id : {command::kRiichi, command::kRiichiKey})
        connect(actions_[id], &QAction::triggered, this, riichi);
    connect(buttons_[command::kNanikiruKey], &QAbstractButton::clicked, this, report(0));
    connect(buttons_[command::kRiichiKey], &QAbstractButton::clicked, this, riichi);
    connect(AddKey(command::kProblemText, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F9)}),
            &QAction::triggered, this, [this] { CopyProblemText(); });
}

void MainWindow::NanikiruReport(int slack) {
    if (flow_.simRunning) return;
    AnalysisText page;
    {
        BusyCursor busy(*this);
        page = ReportPageFor(flow_.state, slack, settings_.NanikiruDepth);
    }
    ShowAnalysisPage("Report.htm", page);
}

void MainWindow::RiichiReport() {
    if (flow_.simRunning) return;
    AnalysisText page;
    {
        BusyCursor busy(*this);
        page = DamaPageFor(flow_.state);
    }
    ShowAnalysisPage("Dama.htm", page);
}

void MainWindow::CopyProblemText() {
    if (flow_.simRunning) return;
    AnalysisText text;
    {
        BusyCursor busy(*this);
        text = ProblemTextFor(flow_.state);
    }
    if (!text.ok()) {
        ShowMessage("", text.refusal);
        return;
    }
    CopyTextToClipboard(text.text);
}

void MainWindow::ShowAnalysisPage(const std::string& fileName, const AnalysisText& page) {
    if (!page.ok()) {
        ShowMessage("", page.refusal);
        return;
    }
    // The page shows the tile pictures beside it; put back any that went missing since start.
    WriteMissingTileGifs(dataDirectory_);
    // Opening the page of an earlier analysis as if it were this one would mislead.
    if (!PublishPage(fileName, page.text))
        ShowMessage("エラー", "ページを書き込めませんでした。\n" + dataDirectory_ + fileName);
}

}  // namespace mizaro
