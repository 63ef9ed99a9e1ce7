// 牌譜を読み込む: an online game log from a file or the clipboard, the player chosen, and the
// review of that player's discards on a worker thread, opened as Review.htm.
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <optional>

#include "app/ui/drill_window.h"
#include "app/ui/main_window.h"
#include "app/ui/player_dialog.h"
#include "online/online_drill.h"
#include "online/online_review.h"
#include "online/online_review_page.h"
#include "online/read_online_log.h"

namespace mizaro {

namespace {

// A JSON log copied from a web page starts with '{' once the spaces before it are skipped.
QString ClipboardLog() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return {};
    const QString text = clipboard->text();
    for (const QChar c : text) {
        if (c.isSpace()) continue;
        return c == QLatin1Char('{') ? text : QString();
    }
    return {};
}

// Its players name a game wherever it was read from, so that a game imported again, from a
// file or the clipboard, gives the drill no second copy of its problems.
std::string PlayersOf(const OnlineGame& game) {
    std::string names;
    for (const std::string& name : game.names) names += (names.empty() ? "" : " / ") + name;
    return names;
}

}  // namespace

std::optional<OnlineRead> MainWindow::ReadImportedLog() {
    // A log may be megabytes of compressed text: it is read on a worker, like a search.
    auto read = [this](auto reader) {
        return searches_.Run([reader](const std::atomic<bool>*) { return reader(); });
    };
    const QString clipboard = ClipboardLog();
    if (!clipboard.isEmpty()) {
        QMessageBox box(QMessageBox::Question, tr("牌譜を読み込む"),
                        tr("クリップボードに牌譜らしい文字があります。どちらから読み込みますか？"),
                        QMessageBox::Cancel, this);
        QPushButton* fromClipboard = box.addButton(tr("クリップボード"), QMessageBox::AcceptRole);
        QPushButton* fromFile = box.addButton(tr("ファイルを選ぶ"), QMessageBox::ActionRole);
        RunBox(box);
        if (box.clickedButton() == fromClipboard)
            return read([text = clipboard.toStdString()] { return ReadOnlineLog(text); });
        if (box.clickedButton() != fromFile) return std::nullopt;
    }
    QFileDialog dialog(this, tr("牌譜を読み込む"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("牌譜 (*.json *.mjlog *.xml *.gz)"), tr("すべてのファイル (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return read(
        [path = dialog.selectedFiles().first().toStdString()] { return ReadOnlineLogFile(path); });
}

void MainWindow::ImportGameLog() {
    if (flow_.simRunning) return;
    const std::optional<OnlineRead> read = ReadImportedLog();
    if (!read) return;
    if (!read->ok()) {
        Tell(tr("牌譜を読み込む"),
             tr("牌譜を読めませんでした。\n%1").arg(QString::fromStdString(read->error)));
        return;
    }
    const OnlineGame& game = read->game;
    int chosen = 0;
    for (int s = 0; s < kSeats; ++s)
        if (!lastImportedPlayer_.empty() && game.names[s] == lastImportedPlayer_) chosen = s;
    PlayerDialog players(game.names, chosen, this);
    if (RunBox(players) != QDialog::Accepted) return;
    const int seat = players.seat();
    if (!game.names[seat].empty()) lastImportedPlayer_ = game.names[seat];

    const Language pageLanguage = language();
    struct Reviewed {
        std::string page;
        std::vector<DrillProblem> problems;  // the costly discards, for the drill
    };
    const std::optional<Reviewed> reviewed = searches_.RunWithProgress(
        [game, seat, pageLanguage, source = PlayersOf(game)](SearchProgress& progress) {
            const OnlineReview review = ReviewOnlineGame(
                game, seat,
                [&progress](int done, int total) {
                    progress.total.store(total);
                    progress.done.store(done);
                    return !progress.stop.load();
                },
                ReviewJobs(), &progress.stop);
            // A cancelled review's page and problems are thrown away: search no further.
            if (!review.complete) return Reviewed{};
            return Reviewed{
                OnlineReviewPage(game, review, pageLanguage),
                TableProblems(ReviewedTableTurns(game, review), source, {}, &progress.stop)};
        });
    if (!reviewed) return;
    drillWindow_->AddTableProblems(reviewed->problems);
    if (!PublishPage("Review.htm", reviewed->page, pageLanguage))
        Tell(tr("牌譜を読み込む"), tr("Review.htm を書き込めませんでした。\n%1")
                                       .arg(QString::fromStdString(dataDirectory_)));
}

}  // namespace mizaro
