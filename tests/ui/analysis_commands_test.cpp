// The analysis commands of the window: the pages they write and open, the clipboard text, the
// refusals, and a page that cannot be written.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QTest>

#include "../analysis/search_time.h"
#include "analysis/position_line.h"
#include "analysis/problem_text.h"
#include "analysis/report_page.h"
#include "analysis/riichi_analysis.h"
#include "app/ui/command_ids.h"
#include "core/tile_names.h"
#include "platform/read_file.h"
#include "platform/text_encoding.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

constexpr const char* kOneShanten = "123m456p789s11z57z6z turn=3 dora=1p";
constexpr const char* kReady = "234567m24p678s55z1z turn=4 dora=5p";
constexpr const char* kFourShanten = "129m1459p1459s112z turn=5";

KyokuState Position(const char* line) {
    const PositionRequest request = ParsePositionLine(line);
    EXPECT_TRUE(request.ok()) << request.error;
    return request.state;
}

class AnalysisCommandTest : public WindowTest {
  protected:
    AnalysisCommandTest() {
        window->SetPageOpener([this](const std::string& path) { opened.push_back(path); });
    }
    void Load(const char* line) { window->flow().PositionLoaded(Position(line)); }
    // The page as written, back in UTF-8, with the search time left out.
    std::string Written(const char* name) {
        const std::optional<std::string> bytes = ReadWholeFile(Dir() + name);
        if (!bytes) return {};
        return WithoutSearchTime(Cp932ToUtf8(*bytes).value_or("not code page 932"));
    }
    void Trigger(int id) {
        window->action(id)->trigger();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor stayed";
    }

    std::vector<std::string> opened;
};

TEST_F(AnalysisCommandTest, ReportKeysWriteAndOpenTheReport) {
    Load(kOneShanten);
    window->settings().NanikiruDepth = 2;
    const KyokuState state = window->flow().state;
    Trigger(command::kNanikiruKey);
    ASSERT_EQ(opened, std::vector<std::string>{Dir() + "Report.htm"});
    EXPECT_EQ(Written("Report.htm"), WithoutSearchTime(ReportPageFor(state, 0, 2).text));

    // Ctrl+F3 and its menu item search with hand changes.
    Trigger(command::kNanikiruChangesKey);
    EXPECT_EQ(Written("Report.htm"), WithoutSearchTime(ReportPageFor(state, 1, 2).text));
    window->action(command::kNanikiruChanges)->trigger();
    window->action(command::kNanikiru)->trigger();
    window->button(command::kNanikiruKey)->click();
    EXPECT_EQ(opened.size(), 5u);
    EXPECT_EQ(window->action(command::kNanikiruKey)->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(window->action(command::kNanikiruChangesKey)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_F3));

    // The pictures the page names are beside it.
    for (TileKind k = 0; k < kKinds; ++k)
        EXPECT_TRUE(QFile::exists(File(TileImagePath(k).c_str()))) << TileImagePath(k);
}

TEST_F(AnalysisCommandTest, RiichiKeyWritesAndOpensTheRiichiPage) {
    Load(kReady);
    const KyokuState state = window->flow().state;
    Trigger(command::kRiichiKey);
    ASSERT_EQ(opened, std::vector<std::string>{Dir() + "Dama.htm"});
    EXPECT_EQ(Written("Dama.htm"), DamaPageFor(state).text);
    window->action(command::kRiichi)->trigger();
    window->button(command::kRiichiKey)->click();
    EXPECT_EQ(opened.size(), 3u);
    EXPECT_EQ(window->action(command::kRiichiKey)->shortcut(), QKeySequence(Qt::Key_F4));
}

TEST_F(AnalysisCommandTest, ProblemKeyFillsTheClipboardOnly) {
    Load(kOneShanten);
    Trigger(command::kProblemText);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              ProblemTextFor(window->flow().state).text);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(window->action(command::kProblemText)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F9));
}

TEST_F(AnalysisCommandTest, HandsTooFarFromReadyAreRefusedWithTheirMessage) {
    Load(kFourShanten);
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    const SeenBox report = AnswerNextBox([&] { Trigger(command::kNanikiruKey); });
    EXPECT_EQ(report.text, "4 向聴以上は計算時間がかかるので未対応です");
    EXPECT_EQ(report.title, "");
    const SeenBox riichi = AnswerNextBox([&] { Trigger(command::kRiichiKey); });
    EXPECT_EQ(riichi.text, "聴牌していません");
    const SeenBox problem = AnswerNextBox([&] { Trigger(command::kProblemText); });
    EXPECT_EQ(problem.text, "4向聴以上は計算時間がかかるので未対応");
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(QFile::exists(File("Report.htm")));
    EXPECT_FALSE(QFile::exists(File("Dama.htm")));
}

TEST_F(AnalysisCommandTest, APageThatCannotBeWrittenIsNotOpened) {
    Load(kOneShanten);
    // A folder in the page's place: the page cannot be renamed into it.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Report.htm")));
    const SeenBox box = AnswerNextBox([&] { Trigger(command::kNanikiruKey); });
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("ページを書き込めませんでした。")))
        << box.text.toStdString();
    EXPECT_TRUE(opened.empty());
}

TEST_F(AnalysisCommandTest, NothingRunsWhileTheSimulationDoes) {
    Load(kReady);
    window->flow().simRunning = true;
    for (int id : {command::kNanikiruKey, command::kNanikiruChangesKey, command::kRiichiKey,
                   command::kProblemText})
        window->action(id)->trigger();
    window->flow().simRunning = false;
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(QFile::exists(File("Report.htm")));
}

}  // namespace
}  // namespace mizaro::testing
