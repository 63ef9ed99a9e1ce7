// The statistics page and the statistics text reports of the current user.
#include "app/ui/clipboard.h"
#include "app/ui/main_window.h"
#include "stats/stat_page.h"
#include "stats/stat_text.h"

namespace mizaro {

void MainWindow::ShowStatisticsPage() {
    // The computer's statistics belong to the worker while it plays.
    if (flow_.simRunning) return;
    // A page that could not be written is not opened: the old one would pass for it.
    if (!PublishPage(kStatPageFileName, StatPageHtml(flow_.userStats, comStats_, language()),
                     language()))
        Tell(tr("えらーです"), tr("えらーです"));
}

void MainWindow::CopyStatText(int kind) {
    CopyTextToClipboard(StatText(flow_.userStats, kind, language()));
}

}  // namespace mizaro
