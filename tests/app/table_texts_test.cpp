#include <gtest/gtest.h>

#include "app/assist_marks.h"
#include "app/command_rules.h"
#include "app/status_text.h"

namespace mizaro {
namespace {

TEST(AssistMarksTest, TenthsOfTheBestValue) {
    KindValues values{};
    values[0] = 1000.0;
    values[1] = 999.0;
    values[2] = 600.0;
    values[3] = 599.9;
    values[4] = 0.0001;
    const KindMarks marks = AssistMarks(values);
    EXPECT_EQ(marks[0], 10);
    EXPECT_EQ(marks[1], 9);
    EXPECT_EQ(marks[2], 6);
    EXPECT_EQ(marks[3], 5);
    EXPECT_EQ(marks[4], 0);
    EXPECT_EQ(marks[5], kNoMark);
    EXPECT_EQ(BestAssistValue(values), 1000.0);
    for (int m : AssistMarks(KindValues{})) EXPECT_EQ(m, kNoMark);
}

TEST(AssistMarksTest, MarkTexts) {
    EXPECT_EQ(AssistMarkText(kNoMark), "");
    EXPECT_EQ(AssistMarkText(0), "－");
    EXPECT_EQ(AssistMarkText(5), "－");
    EXPECT_EQ(AssistMarkText(6), "×");
    EXPECT_EQ(AssistMarkText(7), "△");
    EXPECT_EQ(AssistMarkText(8), "○");
    EXPECT_EQ(AssistMarkText(9), "◎");
    EXPECT_EQ(AssistMarkText(10), "★");
    EXPECT_EQ(AssistMarkText(11), "");
}

TEST(StatusTextTest, StatusLineFormat) {
    EXPECT_EQ(StatusLine(0, 0, 0.0), "     0 局目   和了:    0回 (  0.00 % )   期待値:    0.00 点");
    EXPECT_EQ(StatusLine(8, 2, 12000.0),
              "     8 局目   和了:    2回 ( 25.00 % )   期待値: 1500.00 点");
}

TEST(StatusTextTest, InfoTextShowsOrHidesTheThreeForms) {
    ShantenResult s;
    s.regular = 2;
    s.chiitoi = 3;
    s.kokushi = 9;
    EXPECT_EQ(InfoText(true, s), "一般\t2\n七対子\t3\n国士\t9");
    EXPECT_EQ(InfoText(false, s), "一般\t? \n七対子\t? \n国士\t?");
}

TEST(CommandRulesTest, ReportsAndButtonsFollowTheHandAndTheTurn) {
    CommandState s;
    s.shanten = 0;
    s.turn = 5;
    EXPECT_TRUE(NanikiruMenuEnabled(s));
    EXPECT_TRUE(RiichiMenuEnabled(s));
    EXPECT_TRUE(NanikiruButtonEnabled(s));
    EXPECT_TRUE(RiichiButtonEnabled(s));

    s.turn = 18;  // no turn after this one: both buttons off, the menu stays
    EXPECT_FALSE(NanikiruButtonEnabled(s));
    EXPECT_FALSE(RiichiButtonEnabled(s));
    EXPECT_TRUE(NanikiruMenuEnabled(s));

    s.turn = 5;
    s.shanten = 4;
    EXPECT_FALSE(NanikiruMenuEnabled(s));
    EXPECT_FALSE(NanikiruButtonEnabled(s));
    EXPECT_FALSE(RiichiMenuEnabled(s));
    s.shanten = kCompleteShanten;  // nothing to discard: an empty page
    EXPECT_FALSE(ReportKeysEnabled(s) || NanikiruMenuEnabled(s) || NanikiruButtonEnabled(s));
    s.shanten = 3;
    EXPECT_TRUE(NanikiruButtonEnabled(s));
    EXPECT_FALSE(RiichiButtonEnabled(s));

    s.editing = true;
    EXPECT_FALSE(NanikiruButtonEnabled(s));
    EXPECT_FALSE(TableButtonEnabled(s));
    EXPECT_TRUE(NanikiruMenuEnabled(s));

    s.editing = false;
    s.simRunning = true;
    EXPECT_FALSE(MenuCommandEnabled(s));
    EXPECT_FALSE(NanikiruMenuEnabled(s));
    EXPECT_FALSE(TableButtonEnabled(s));
    EXPECT_EQ(SimulationMenuText(true), "シミュレーション終了");
    EXPECT_EQ(SimulationMenuText(false), "シミュレーション開始");
}

}  // namespace
}  // namespace mizaro
