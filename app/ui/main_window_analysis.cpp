// The analysis commands: the what-to-discard report, the riichi analysis and the problem text.
// The engine builds the text on a worker thread under the progress window; the window refuses,
// or writes and opens the page or fills the clipboard, unless the search was cancelled.
#include <QAbstractButton>
#include <QAction>
#include <optional>

#include "analysis/problem_text.h"
#include "analysis/report_page.h"
#include "analysis/riichi_analysis.h"
#include "app/ui/clipboard.h"
#include "app/ui/command_ids.h"
#include "app/ui/main_window.h"
#include "app/ui/tile_pictures.h"

namespace mizaro {

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
    ReportOn(flow_.state, slack);
}

void MainWindow::ReportOn(const KyokuState& position, int slack) {
    const std::optional<AnalysisText> page =
        searches_.Run([state = position, slack, depth = settings_.NanikiruDepth,
                       language = language()](const std::atomic<bool>* stop) {
            return ReportPageFor(state, slack, depth, kReportPageSizeLimit, language, stop);
        });
    if (page) ShowAnalysisPage("Report.htm", *page);
}

void MainWindow::RiichiReport() {
    if (flow_.simRunning) return;
    const std::optional<AnalysisText> page =
        searches_.Run([state = flow_.state, language = language()](const std::atomic<bool>* stop) {
            return DamaPageFor(state, language, stop);
        });
    if (page) ShowAnalysisPage("Dama.htm", *page);
}

void MainWindow::CopyProblemText() {
    if (flow_.simRunning) return;
    const std::optional<AnalysisText> text =
        searches_.Run([state = flow_.state, language = language()](const std::atomic<bool>* stop) {
            return ProblemTextFor(state, language, stop);
        });
    if (!text || text->stopped) return;
    if (!text->ok()) {
        ShowMessage("", text->refusal);
        return;
    }
    CopyTextToClipboard(text->text);
}

void MainWindow::ShowAnalysisPage(const std::string& fileName, const AnalysisText& page) {
    if (page.stopped) return;  // a cancel's: nothing to show
    if (!page.ok()) {
        ShowMessage("", page.refusal);
        return;
    }
    // The page shows the tile pictures beside it; put back any that went missing since start.
    WriteMissingTileGifs(dataDirectory_);
    // Opening the page of an earlier analysis as if it were this one would mislead.
    if (!PublishPage(fileName, page.text, language()))
        Tell(tr("エラー"), tr("ページを書き込めませんでした。\n%1")
                               .arg(QString::fromStdString(dataDirectory_ + fileName)));
}

}  // namespace mizaro
