// 局の検討 in the window: the dialog's choices and the page it writes.
#include <QRadioButton>
#include <QSpinBox>

#include "app/ui/command_ids.h"
#include "app/ui/review_dialog.h"
#include "core/random.h"
#include "platform/read_file.h"
#include "platform/text_encoding.h"
#include "window_test_support.h"

namespace mizaro::testing {
namespace {

class ReviewWindowTest : public WindowTest {
  protected:
    ReviewWindowTest() {
        window->SetPageOpener([this](const std::string& path) { opened.push_back(path); });
    }

    // Throws every drawn tile until `games` games are recorded.
    void PlayGames(std::size_t games) {
        GameFlow& flow = window->flow();
        while (flow.userStats.records.size() < games) flow.DiscardDrawnTile();
    }

    // Triggers the menu item and lets `choose` set up the dialog before OK.
    template <typename Choose>
    void Review(Choose choose) {
        OnNextModal<ReviewDialog> answer([&](ReviewDialog* dialog) {
            choose(dialog);
            dialog->accept();
        });
        window->action(command::kReview)->trigger();
    }

    std::string OpenedPage() {
        if (opened.empty()) return {};
        std::optional<std::string> bytes = ReadWholeFile(opened.back());
        if (!bytes) return {};
        return Cp932ToUtf8(*bytes).value_or("");
    }

    std::vector<std::string> opened;
};

TEST_F(ReviewWindowTest, NothingToReviewSaysSo) {
    const SeenBox seen = AnswerNextBox([&] { window->action(command::kReview)->trigger(); });
    EXPECT_EQ(seen.title, "局の検討");
    EXPECT_TRUE(opened.empty());
}

TEST_F(ReviewWindowTest, TheDialogOffersTheGameOnTheTableFirstAndWritesTheChosenGame) {
    SeedThreadRandom(77);
    PlayGames(2);
    // Just dealt: nothing played yet, so the latest recorded game is the default.
    bool inProgressOffered = true;
    Review([&](ReviewDialog* d) {
        inProgressOffered = d->inProgressButton()->isEnabled();
        EXPECT_TRUE(d->recordedButton()->isChecked());
        EXPECT_EQ(d->numberBox()->maximum(), 2);
        d->numberBox()->setValue(2);
    });
    EXPECT_FALSE(inProgressOffered);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened.back(), Dir() + "Review.htm");
    std::string page = OpenedPage();
    EXPECT_NE(page.find("2 局前"), std::string::npos);
    EXPECT_NE(page.find("損失の合計"), std::string::npos);

    window->flow().DiscardDrawnTile();
    window->flow().DiscardDrawnTile();
    bool defaultInProgress = false;
    Review([&](ReviewDialog* d) { defaultInProgress = d->inProgressButton()->isChecked(); });
    EXPECT_TRUE(defaultInProgress);
    ASSERT_EQ(opened.size(), 2u);
    page = OpenedPage();
    EXPECT_NE(page.find("対局中の局"), std::string::npos);
    EXPECT_NE(page.find("対局中 ("), std::string::npos);

    window->flow().simRunning = true;
    window->UpdateCommands();
    EXPECT_FALSE(window->action(command::kReview)->isEnabled());
    window->flow().simRunning = false;
}

}  // namespace
}  // namespace mizaro::testing
