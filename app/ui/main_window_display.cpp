// The display choices of the 設定 menu: the window's language and the numerals on the tiles.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QEvent>
#include <QMenu>

#include "app/ui/command_ids.h"
#include "app/ui/drill_window.h"
#include "app/ui/main_window.h"
#include "app/ui/source_text.h"
#include "app/ui/tile_numbers.h"
#include "app/ui/ui_language.h"

namespace mizaro {

void MainWindow::AddDisplayCommands(QMenu* setup) {
    // Named in both languages, so a player who chose the wrong one finds the way back.
    QMenu* languages = setup->addMenu(QStringLiteral("Language / 言語"));
    auto* group = new QActionGroup(languages);
    const char* names[] = {"System", "日本語", "English"};
    for (int n = 0; n < 3; ++n) {
        QAction* a = languages->addAction(QString::fromUtf8(names[n]));
        a->setObjectName(QStringLiteral("c%1").arg(command::kLanguageFirst + n));
        a->setCheckable(true);
        a->setChecked(static_cast<int>(display_.language) == n);
        group->addAction(a);
        actions_[command::kLanguageFirst + n] = a;
        connect(a, &QAction::triggered, this,
                [this, n] { SetLanguageChoice(static_cast<LanguageChoice>(n)); });
    }
    QAction* numbers = AddCommand(setup, command::kTileNumbers, QT_TR_NOOP("牌に数字を表示"));
    numbers->setCheckable(true);
    numbers->setChecked(display_.tileNumbers);
    connect(numbers, &QAction::triggered, this, [this](bool on) { SetTileNumbers(on); });
}

Language MainWindow::language() const {
    return CurrentLanguage();
}

void MainWindow::SaveDisplay() {
    if (!SaveDisplaySettings(display_))
        Tell(tr("表示"), tr("表示の設定を保存できませんでした。\n%1")
                             .arg(QString::fromStdString(display_.path)));
}

void MainWindow::SetLanguageChoice(LanguageChoice choice) {
    display_.language = choice;
    SaveDisplay();
    // The translators tell every window; the texts of the logic follow CurrentLanguage().
    InstallLanguage(ChosenLanguage(choice, SystemLanguage()));
    flow_.language = CurrentLanguage();
}

void MainWindow::SetTileNumbers(bool on) {
    display_.tileNumbers = on;
    SaveDisplay();
    actions_[command::kTileNumbers]->setChecked(on);
    DrawTiles();
    drillWindow_->SetTileNumbers(on);
    Refresh();
}

void MainWindow::DrawTiles() {
    for (TileKind k = 0; k < kKinds; ++k) {
        tiles_[k] = WindowTile(k, display_.tileNumbers);
        turnedTiles_[k] = WindowTile(k, display_.tileNumbers, true);
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    RetranslateTree(this);
    assistCombo_->setItemText(0, tr("無効"));
    Refresh();  // the status line, the shanten and the menu items built from numbers
}

}  // namespace mizaro
