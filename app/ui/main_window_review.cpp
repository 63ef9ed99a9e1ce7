// 局の検討: reviews the game on the table or a recorded game on a worker thread and opens the
// page.
#include <optional>
#include <string>

#include "app/review_source.h"
#include "app/ui/main_window.h"
#include "app/ui/review_dialog.h"
#include "stats/game_review.h"
#include "stats/review_page.h"
#include "stats/review_turns.h"

namespace mizaro {

void MainWindow::ShowGameReview() {
    if (flow_.simRunning) return;
    const bool inProgress = HasGameInProgress(flow_);
    const int recorded = static_cast<int>(flow_.userStats.records.size());
    if (!inProgress && recorded == 0) {
        Tell(tr("局の検討"), tr("検討できる局がありません。"));
        return;
    }
    ReviewDialog dialog(inProgress, recorded, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const bool current = dialog.inProgressChosen();
    const std::optional<GameRecord> record =
        current ? GameInProgress(flow_) : RecordedGame(flow_.userStats, dialog.gameNumber());
    if (!record) return;
    const Language pageLanguage = language();
    const std::string title = ReviewTitle(current ? 0 : dialog.gameNumber(), pageLanguage);
    const std::optional<std::string> page =
        searches_.Run([record = *record, title, pageLanguage](const std::atomic<bool>* stop) {
            const GameReview review = ReviewGame(record, ReviewJobs(), stop);
            return review.stopped ? std::string() : ReviewPage(review, title, pageLanguage);
        });
    if (page && !page->empty() && !PublishPage("Review.htm", *page, pageLanguage))
        Tell(tr("局の検討"), tr("Review.htm を書き込めませんでした。\n%1")
                                 .arg(QString::fromStdString(dataDirectory_)));
}

}  // namespace mizaro
