// The hand in the text notation of mizaro-cli, to and from the clipboard.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>

#include "app/hand_text.h"
#include "app/ui/clipboard.h"
#include "app/ui/command_ids.h"
#include "app/ui/main_window.h"
#include "app/ui/ui_language.h"

namespace mizaro {

namespace {

constexpr int kMaxOfferedText = 200;  // a clipboard holding a whole page is not offered

// The first line of the clipboard with text on it, as the dialog's starting text.
QString ClipboardLine() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return {};
    for (const QString& line : clipboard->text().split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) return trimmed.left(kMaxOfferedText);
    }
    return {};
}

}  // namespace

void MainWindow::AddNotationCommands(QMenu* file) {
    // Ctrl+C, Ctrl+Shift+C and the function keys belong to other copies and commands.
    QAction* copy =
        AddCommand(file, command::kCopyHandText, QT_TR_NOOP("手牌を文字でコピー\tCtrl + t"),
                   QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(copy, &QAction::triggered, this, [this] { CopyHandNotation(); });
    QAction* read =
        AddCommand(file, command::kReadHandText, QT_TR_NOOP("手牌を文字から読込\tCtrl + v"),
                   QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(read, &QAction::triggered, this, [this] { ReadHandNotation(); });
    // While the simulation runs the game belongs to its worker.
    connect(file, &QMenu::aboutToShow, this, [this, copy, read] {
        copy->setEnabled(!flow_.simRunning);
        read->setEnabled(!flow_.simRunning);
    });
}

void MainWindow::CopyHandNotation() {
    if (flow_.simRunning) return;
    CopyTextToClipboard(FormatHandText(flow_.state));
}

void MainWindow::ReadHandNotation() {
    if (flow_.simRunning) return;
    QInputDialog dialog(this);
    dialog.setWindowTitle(tr("手牌を文字から読込"));
    dialog.setLabelText(
        tr("手牌13枚か14枚（最後の1枚がツモ）とドラ表示牌：\n"
           "例 123m456p789s1122z dora=5p（123M 406p のような書き方も可、0は赤五）"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(ClipboardLine());
    if (dialog.exec() != QDialog::Accepted) return;
    KyokuState loaded = flow_.state;
    // Full-width letters and digits, as a Japanese input method types them, become ASCII.
    const QString text = dialog.textValue().normalized(QString::NormalizationForm_KC);
    const HandTextRead read = ParseHandText(text.toStdString(), loaded, CurrentLanguage());
    if (!read.ok) {
        Tell(tr("手牌を文字から読込"),
             tr("手牌の文字を読めませんでした：%1").arg(QString::fromStdString(read.reason)));
        return;
    }
    flow_.PositionLoaded(loaded);
}

}  // namespace mizaro
