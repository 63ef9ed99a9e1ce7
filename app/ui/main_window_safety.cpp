// Keeping the player's files safe: files that could not be read are named and left alone, a
// close whose saving failed lets the player try again instead of losing the games in memory,
// and the end of a session or a termination request saves without asking anyone.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>
#include <cstdio>

#include "app/ui/drill_window.h"
#include "app/ui/main_window.h"

namespace mizaro {

void MainWindow::TellUnreadableFiles() {
    std::vector<std::string> found;
    if (settings_.fileUnreadable) found.push_back(settings_.path);
    for (const StatSummary* stats : {&flow_.userStats, &comStats_})
        found.insert(found.end(), stats->unreadableFiles.begin(), stats->unreadableFiles.end());
    if (!drillWindow_->deck().unreadableFile.empty())
        found.push_back(drillWindow_->deck().unreadableFile);
    std::string restored;
    for (const StatSummary* stats : {&flow_.userStats, &comStats_})
        if (!stats->restoredFrom.empty() && toldUnreadable_.insert(stats->restoredFrom).second)
            restored += "\n" + stats->restoredFrom;
    if (!restored.empty())
        Tell(tr("統計"), tr("統計ファイルが見つからないため、ログから成績を復元しました。%1")
                             .arg(QString::fromStdString(restored)));

    std::string names;
    for (const std::string& path : found)
        if (toldUnreadable_.insert(path).second) names += "\n" + path;
    if (names.empty()) return;
    Tell(tr("エラー"),
         tr("次のファイルを読み込めませんでした。内容を守るため、このファイルには保存しません。%1")
             .arg(QString::fromStdString(names)));
}

bool MainWindow::SaveForClose() {
    for (;;) {
        bool saved = SaveSettings(settings_);
        saved = flow_.userStats.Save(dataDirectory_) && saved;
        saved = comStats_.Save(dataDirectory_) && saved;
        if (saved) return true;
        // Nobody may be there to answer at the end of a session.
        if (quitRequested_) {
            ReportSaveFailureOnStderr();
            return true;
        }
        // The games since the start exist only in memory: closing now would lose them.
        QMessageBox box(QMessageBox::Warning, tr("エラー"),
                        tr("設定または統計を保存できませんでした。\n%1"
                           "\n\n保存せずに終了すると、起動してからの成績は失われます。")
                            .arg(QString::fromStdString(dataDirectory_)),
                        QMessageBox::Retry | QMessageBox::Close | QMessageBox::Cancel, this);
        box.button(QMessageBox::Retry)->setText(tr("再試行"));
        box.button(QMessageBox::Close)->setText(tr("保存せずに終了"));
        box.button(QMessageBox::Cancel)->setText(tr("終了しない"));
        box.setDefaultButton(QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
        const int answer = box.exec();
        if (answer == QMessageBox::Close) return true;
        if (answer != QMessageBox::Retry) return false;
    }
}

void MainWindow::ConnectSessionEnd() {
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { SaveStatsQuietly(); });
#endif
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        // A closed window has saved already, or the player chose to end without saving.
        if (!isVisible()) return;
        simulation_.Stop();  // the worker saves the computer's games as it ends
        SaveStatsQuietly();
    });
}

void MainWindow::SaveStatsQuietly() {
    bool saved = flow_.userStats.Save(dataDirectory_);
    // While the worker runs the computer's statistics are its own; it saves them itself.
    if (!simulation_.running()) saved = comStats_.Save(dataDirectory_) && saved;
    if (!saved) ReportSaveFailureOnStderr();
}

void MainWindow::ReportSaveFailureOnStderr() const {
    std::fprintf(stderr, "mizaro: the settings or statistics could not be saved in %s\n",
                 dataDirectory_.c_str());
}

void MainWindow::QuitOnRequest() {
    if (quitRequested_) return;
    quitRequested_ = true;
    if (flow_.simRunning) ToggleSimulation();
    close();
    // A message box open in a loop of its own would keep the program alive past the window.
    QCoreApplication::exit(0);
}

}  // namespace mizaro
