// The help menu's pages, and the tooltips of the table's controls: the player learns what a
// control does where it is, and the rest from the help page that F1 opens.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>

#include "app/ui/command_ids.h"
#include "app/ui/main_window.h"
#include "app/ui/source_text.h"
#include "app/ui/ui_language.h"
#include "platform/help_location.h"
#include "platform/version.h"

namespace mizaro {

namespace {

struct ToolTip {
    int id;
    const char* text;
};

// One line each, in the words of the help page.
constexpr ToolTip kButtonTips[] = {
    {command::kStatisticsButton,
     QT_TRANSLATE_NOOP("mizaro::MainWindow", "あなたの成績を標準的な成績と並べたページを開きます")},
    {command::kResultButton,
     QT_TRANSLATE_NOOP("mizaro::MainWindow",
                       "押してある間、局の終わりに和了・流局の結果を表示します")},
    {command::kNanikiruKey,
     QT_TRANSLATE_NOOP("mizaro::MainWindow",
                       "打牌ごとの期待値を比べる何切るのページを開きます (F3)")},
    {command::kRiichiKey,
     QT_TRANSLATE_NOOP("mizaro::MainWindow",
                       "リーチした場合としない場合を比べるページを開きます (F4)")},
    {command::kShantenButton,
     QT_TRANSLATE_NOOP("mizaro::MainWindow",
                       "押してある間、一般・七対子・国士の向聴数を表示します")},
    {command::kSaveButton,
     QT_TRANSLATE_NOOP("mizaro::MainWindow", "今の局面をファイルに保存します (Ctrl+S)")},
    {command::kLoadButton,
     QT_TRANSLATE_NOOP("mizaro::MainWindow", "保存した局面を読み込んで続きから打ちます (Ctrl+O)")},
    {command::kEditButton,
     QT_TRANSLATE_NOOP("mizaro::MainWindow",
                       "編集モード：クリックで手牌とドラ表示牌を変え、Delete で捨牌を消します")},
};
constexpr const char* kAssistTip = QT_TRANSLATE_NOOP(
    "mizaro::MainWindow",
    "ツモ後の向聴数がこの値以下のとき、各牌の上に打牌の評価マークを出します（無効：出さない）");

}  // namespace

void MainWindow::BuildHelpCommands() {
    connect(actions_[command::kOnlineHelp], &QAction::triggered, this, [this] { ShowHelp(); });
    connect(actions_[command::kAuthorPage], &QAction::triggered, this,
            [this] { pageOpener_(ProgramHomeUrl()); });
    for (const ToolTip& tip : kButtonTips)
        SetSourceToolTip(buttons_[tip.id], staticMetaObject.className(), tip.text);
    SetSourceToolTip(assistCombo_, staticMetaObject.className(), kAssistTip);
}

void MainWindow::ShowHelp() {
    // The page of the window's language when there is one, else the Japanese page.
    const std::string language = CurrentLanguage() == Language::kEnglish ? "en" : "ja";
    const std::string page = FindHelpPage(programDirectory_, language);
    if (page.empty()) {
        // Not the menu's title, whose translation carries a mnemonic.
        Tell(tr("ヘルプ", "message box title"),
             tr("ヘルプのページが見つかりません。\n"
                "help/ja/index.html を、プログラムと同じフォルダか "
                "share/mizaro/help/ に置いてください。"));
        return;
    }
    pageOpener_(page);
}

}  // namespace mizaro
