// The windows in English: every text a window shows is translated and fits its control, whether
// the program starts in English or switches while its windows are open; the choice survives a
// restart, and going back to Japanese gives the Japanese window again.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include "app/assist_marks.h"
#include "app/ui/about_box.h"
#include "app/ui/command_ids.h"
#include "app/ui/detail_dialog.h"
#include "app/ui/drill_window.h"
#include "app/ui/progress_dialog.h"
#include "app/ui/result_box.h"
#include "app/ui/review_dialog.h"
#include "app/ui/tile_numbers.h"
#include "app/ui/ui_language.h"
#include "app/ui/user_dialog.h"
#include "core/hand_notation.h"
#include "platform/read_file.h"
#include "tests/english_text.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

// Kana, kanji and the full-width forms; the language items name themselves in their language,
// and the assist marks are symbols of no language.
bool ShowsJapanese(const QString& text) {
    if (text == QStringLiteral("日本語") || text == QStringLiteral("Language / 言語")) return false;
    for (int mark = 0; mark <= kBestMark; ++mark)
        if (text.toStdString() == AssistMarkText(mark)) return false;
    return testing::HasJapanese(text.toStdString());
}

struct NeverFinished : ProgressWork {
    bool Finished() const override { return false; }
    void Stop() override {}
};

// Every text of `window` and the objects under it.
void ExpectEnglish(QWidget* window) {
    QStringList texts = {window->windowTitle()};
    for (QObject* o : window->findChildren<QObject*>()) {
        if (auto* a = qobject_cast<QAction*>(o)) texts << a->text() << a->toolTip();
        if (auto* m = qobject_cast<QMenu*>(o)) texts << m->title();
        if (auto* c = qobject_cast<QComboBox*>(o))
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
        if (auto* tabs = qobject_cast<QTabWidget*>(o))
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        if (auto* tree = qobject_cast<QTreeWidget*>(o)) {
            for (int i = 0; i < tree->columnCount(); ++i) texts << tree->headerItem()->text(i);
            for (int r = 0; r < tree->topLevelItemCount(); ++r)
                for (int i = 0; i < tree->columnCount(); ++i)
                    texts << tree->topLevelItem(r)->text(i);
        }
        if (auto* t = qobject_cast<QTableWidget*>(o))
            for (int i = 0; i < t->columnCount(); ++i) texts << t->horizontalHeaderItem(i)->text();
        auto* w = qobject_cast<QWidget*>(o);
        if (w == nullptr) continue;
        texts << w->toolTip();
        QString shown;
        if (auto* l = qobject_cast<QLabel*>(w)) shown = l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) shown = b->text();
        texts << shown;
        // A control cut short would hide the end of its English. A push button's size hint
        // has a minimum width of the style's; its text and margins are what must fit.
        const auto* label = qobject_cast<QLabel*>(w);
        QSize needed = w->sizeHint();
        if (qobject_cast<QPushButton*>(w) != nullptr)
            needed.setWidth(w->fontMetrics().horizontalAdvance(shown) +
                            2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin));
        const bool checked =
            label != nullptr || qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w);
        if (checked && w->isVisibleTo(window) && !shown.isEmpty() &&
            !(label != nullptr && label->wordWrap())) {
            EXPECT_LE(needed.width(), w->width()) << shown.toStdString();
            EXPECT_LE(needed.height(), w->height()) << shown.toStdString();
        }
    }
    for (const QString& text : texts)
        EXPECT_FALSE(ShowsJapanese(text))
            << window->metaObject()->className() << ": " << text.toStdString();
}

class EnglishWindowTest : public WindowTest {
  protected:
    // Every window of the program, opened over the main window and walked.
    void ExpectAllEnglish() {
        window->show();
        window->drillWindow()->Open();
        window->detailDialog()->show();
        QApplication::processEvents();
        for (QWidget* w :
             {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(window->drillWindow()),
              static_cast<QWidget*>(window->detailDialog())})
            ExpectEnglish(w);
        NeverFinished work;
        ProgressDialog progress(work, QCoreApplication::translate("mizaro::SearchRunner", "計算中"),
                                window.get());
        ReviewDialog review(true, 3, window.get());
        UserDialog users({"default"}, "default", Dir(), window.get());
        AboutBox about(window.get());
        WinBox won(QStringLiteral("Win"), "", WindowTile(0, true), WindowTile(1, true),
                   window.get());
        for (QDialog* d :
             std::initializer_list<QDialog*>{&progress, &review, &users, &about, &won}) {
            d->show();
            QApplication::processEvents();
            ExpectEnglish(d);
            d->hide();
        }
    }
};

TEST_F(EnglishWindowTest, EveryWindowSpeaksEnglishStartedOrSwitched) {
    window.reset();
    QFile ini(File("Display.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("Language\t2\n");
    ini.close();
    Open();
    EXPECT_EQ(window->language(), Language::kEnglish);
    ExpectAllEnglish();

    // Switched live from Japanese, with the windows open.
    window->action(command::kLanguageFirst + 1)->trigger();
    Open();  // a restart keeps the choice
    EXPECT_EQ(window->language(), Language::kJapanese);
    window->show();
    window->drillWindow()->Open();
    window->action(command::kLanguageFirst + 2)->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(window->action(command::kLanguageFirst + 2)->isChecked());
    ExpectAllEnglish();
    EXPECT_EQ(window->menuBar()->actions().first()->text(), QStringLiteral("&File"));
    EXPECT_EQ(window->statusText().substr(0, 4), "Game");

    // And back: the Japanese window as it always was.
    window->action(command::kLanguageFirst + 1)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(window->menuBar()->actions().first()->text(), QStringLiteral("ファイル"));
    EXPECT_EQ(window->button(command::kSaveButton)->text(), QStringLiteral("保存"));
    EXPECT_EQ(window->assistCombo()->itemText(0), QStringLiteral("無効"));
    EXPECT_NE(window->statusText().find("局目"), std::string::npos);
}

// The marks for each kind, and every tile the table and the drill show marked and unmarked with
// the setting, which a restart keeps.
TEST_F(EnglishWindowTest, NumbersOnTilesFollowTheSetting) {
    const std::pair<const char*, const char*> marks[] = {{"1m", "1"}, {"5p", "5"}, {"9s", "9"},
                                                         {"1z", "E"}, {"4z", "N"}, {"5z", "Wh"},
                                                         {"7z", "Rd"}};
    for (const auto& [tile, mark] : marks)
        EXPECT_EQ(TileCornerText(ParseTile(tile)), QString::fromLatin1(mark)) << tile;
    EXPECT_TRUE(TileCornerText(kNoTile).isEmpty());

    const auto pictures = [this] {
        std::vector<QImage> shown;
        for (QWidget* w : {window->table(), static_cast<QWidget*>(window->drillWindow())})
            for (QLabel* l : w->findChildren<QLabel*>())
                if (!l->pixmap().isNull() && l->isVisibleTo(w))
                    shown.push_back(l->pixmap().toImage());
        return shown;
    };
    window->drillWindow()->Open();
    const std::vector<QImage> plain = pictures();
    ASSERT_GE(plain.size(), 14u);
    window->action(command::kTileNumbers)->trigger();
    const std::vector<QImage> marked = pictures();
    ASSERT_EQ(marked.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) EXPECT_NE(marked[i], plain[i]) << i;
    Open();  // a restart keeps the numerals; taking them off changes every tile again
    EXPECT_TRUE(window->action(command::kTileNumbers)->isChecked());
    window->drillWindow()->Open();
    const std::vector<QImage> kept = pictures();
    window->action(command::kTileNumbers)->trigger();
    const std::vector<QImage> bare = pictures();
    ASSERT_EQ(bare.size(), kept.size());
    for (std::size_t i = 0; i < bare.size(); ++i) EXPECT_NE(bare[i], kept[i]) << i;

    // The choices live beside the settings file, which keeps its 22 keys and nothing else.
    window->SetLanguageChoice(LanguageChoice::kEnglish);
    window->close();
    Settings read;
    const SettingsReport report =
        ParseSettings(ReadWholeFile(Dir() + kSettingsFileName).value_or(""), read);
    EXPECT_EQ(report.keysRead, kSettingsKeyCount);
    EXPECT_EQ(report.tokensSkipped, 0);
}

}  // namespace
}  // namespace mizaro::testing
