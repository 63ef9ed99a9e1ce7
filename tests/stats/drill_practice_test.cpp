// The practice side of the drill: SM-2 as published, the order of a sitting, the drill file
// through a restart and through damage, and the progress page.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/hand_notation.h"
#include "platform/atomic_file.h"
#include "platform/read_file.h"
#include "read_failure.h"
#include "stats/drill_deck.h"
#include "stats/drill_page.h"
#include "stats/drill_schedule.h"
#include "stats/drill_session.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::FailReadsOf;
using testing::TempDir;

constexpr int kToday = 20000;

// A position a search could take, with made-up values: 7z is best, 6z within 0.5 %, 5z not.
DrillProblem Problem(int id) {
    DrillProblem p;
    p.id = id;
    p.game = id / 2;
    p.position.turn = 2;
    p.position.hand = ParseTiles("123m456p789s11567z").counts;
    p.position.drawn = ParseTile("7z");
    p.position.doraIndicator = ParseTile("9s");
    p.position.discards = {ParseTile("4z")};
    p.candidates = {{ParseTile("5z"), 900.0, 0.25, 0.5},
                    {ParseTile("6z"), 996.0, 0.3, 0.6},
                    {ParseTile("7z"), 1000.0 + 1.0 / 3.0, 0.31, 0.61}};
    p.made = ParseTile("5z");
    p.best[ParseTile("7z")] = true;
    p.madeValue = 900.0;
    p.bestValue = p.candidates[2].value;
    p.loss = p.bestValue - p.madeValue;
    return p;
}

DrillDeck Deck(int problems) {
    DrillDeck deck;
    deck.name = "default";
    for (int i = 0; i < problems; ++i) deck.problems.push_back(Problem(i));
    deck.nextId = problems;
    return deck;
}

TEST(DrillSchedule, RightAnswersLengthenTheIntervalAndAWrongOneResetsIt) {
    // Worked by hand from the published rules, starting at easiness 2.5.
    struct Step {
        int quality, interval;
        double easiness;
    };
    const Step steps[] = {{5, 1, 2.6}, {5, 6, 2.7}, {5, 16, 2.8}, {4, 45, 2.8},
                          {1, 1, 2.8}, {5, 1, 2.9}, {3, 6, 2.76}};
    DrillSchedule s;
    int day = kToday;
    for (const Step& step : steps) {
        ScheduleAnswer(s, step.quality, day);
        EXPECT_EQ(s.interval, step.interval);
        EXPECT_NEAR(s.easiness, step.easiness, 1e-9);
        EXPECT_EQ(s.due, day + step.interval);
        day = s.due;
    }
    EXPECT_EQ(s.answers, 7);
    EXPECT_EQ(s.wrong, 1);
    // A repeat the same day is counted but does not move the schedule.
    const DrillSchedule before = s;
    ScheduleAnswer(s, 5, s.lastDay);
    EXPECT_EQ(s.due, before.due);
    EXPECT_EQ(s.answers, before.answers + 1);
    // The easiness never falls below 1.3.
    for (int i = 0; i < 20; ++i) ScheduleAnswer(s, 3, day + i);
    EXPECT_DOUBLE_EQ(s.easiness, 1.3);
}

TEST(DrillSession, DueProblemsComeFirstThenNewOnesAndAWrongAnswerReturnsInTheSitting) {
    DrillDeck deck = Deck(6);
    deck.problems[4].schedule = {1, 2.5, 1, kToday - 2, 1, 0, kToday - 3, kToday - 3};
    deck.problems[2].schedule = {1, 2.5, 1, kToday, 1, 0, kToday - 1, kToday - 1};
    deck.problems[5].schedule = {3, 2.5, 20, kToday + 5, 3, 0, kToday - 15, kToday - 40};
    EXPECT_EQ(CountStatus(deck, kToday).due, 2);
    EXPECT_EQ(CountStatus(deck, kToday).fresh, 3);
    EXPECT_EQ(CountStatus(deck, kToday).learned, 1);

    DrillSession sitting(deck, kToday, {2, 1});
    std::vector<int> shown;
    const TileKind answers[] = {ParseTile("5z"), ParseTile("7z"), ParseTile("6z"), ParseTile("7z"),
                                ParseTile("7z")};
    const DrillGrade grades[] = {DrillGrade::kWrong, DrillGrade::kBest, DrillGrade::kClose,
                                 DrillGrade::kBest, DrillGrade::kBest};
    for (int i = 0; sitting.Current() >= 0; ++i) {
        ASSERT_LT(i, 5);
        shown.push_back(sitting.Current());
        const DrillCard card = OriginalCard(*deck.Find(sitting.Current()));
        EXPECT_EQ(sitting.Answer(deck, card, answers[i]), grades[i]);
    }
    // Overdue 4, due 2, new 0 and 1 (two a day); 4 was wrong and comes back after one other.
    EXPECT_EQ(shown, (std::vector<int>{4, 2, 4, 0, 1}));
    EXPECT_EQ(deck.Find(4)->schedule.due, kToday + 1);
    EXPECT_EQ(deck.days.back().answers, 5);
    EXPECT_EQ(deck.days.back().right, 4);
    // The day's new problems are spent, also for a later sitting.
    EXPECT_EQ(DrillSession(deck, kToday, {2, 1}).Remaining(), 0);
}

TEST(DrillFile, ARestartGivesTheSameDeckAndQueue) {
    TempDir dir;
    DrillDeck deck = Deck(5);
    deck.name = "花子";
    std::vector<GameRecord> log(3);
    for (GameRecord& r : log) r.SetText("CEFJPRWWX0046RW7D3MJFZXN71MXBP3467J3RJMXXZ71RPXP3G-AA");
    log[2].SetText("BBCEJNOYZ3445PPF6Y7WNSR5OI2FOHQ35J6C7WOZF5OS2FOIRJ-AA");
    HarvestResult harvest;
    harvest.games = 3;
    harvest.totalLoss = 123.5;
    deck.AddHarvest(harvest, log, 0, kToday);
    DrillSession sitting(deck, kToday);
    sitting.Answer(deck, OriginalCard(*deck.Find(0)), ParseTile("5z"));
    ASSERT_TRUE(deck.Save(dir.Dir()));
    ASSERT_TRUE(std::filesystem::exists(dir.File("Drill_花子.txt")));

    DrillDeck loaded;
    const DrillLoadReport report = loaded.Load("花子", dir.Dir());
    EXPECT_FALSE(report.unreadable);
    EXPECT_EQ(report.damagedLines, 0);
    EXPECT_EQ(FormatDrillFile(loaded), FormatDrillFile(deck));
    EXPECT_EQ(loaded.Find(4)->bestValue, 1000.0 + 1.0 / 3.0);
    DrillSession again(loaded, kToday + 1), same(deck, kToday + 1);
    EXPECT_EQ(again.Current(), 0);
    EXPECT_EQ(again.Remaining(), same.Remaining());
    // The log grown by a game resumes after the three harvested.
    log.push_back(log[0]);
    EXPECT_EQ(loaded.HarvestStart(log), 3);
    log.erase(log.begin());
    EXPECT_EQ(loaded.HarvestStart(log), 2);
    // A log rewritten without the last harvested game is harvested anew: the problems held
    // already are not added twice.
    HarvestResult anew;
    anew.games = 1;
    anew.problems = {*loaded.Find(4), *loaded.Find(4)};
    loaded.AddHarvest(anew, log, 0, kToday);
    EXPECT_EQ(loaded.problems.size(), deck.problems.size());
}

TEST(DrillFile, DamageCostsOnlyItsLineAndAnUnreadableFileIsKept) {
    TempDir dir;
    const std::string path = dir.File("Drill.txt");
    const std::string text = FormatDrillFile(Deck(3));
    DrillDeck deck;
    // The last line cut short, a hand with the dora indicator's fifth 9s, and a stray line.
    std::string damaged = text.substr(0, text.size() - 20) + "\n";
    const std::size_t hand = damaged.find("123m");
    damaged.replace(hand, 4, "999s");
    ASSERT_TRUE(WriteFileAtomically(path, damaged + "problem 9 x\n"));
    const DrillLoadReport report = deck.Load("default", dir.Dir());
    EXPECT_EQ(report.damagedLines, 3);
    ASSERT_EQ(deck.problems.size(), 1u);
    EXPECT_EQ(deck.problems[0].id, 1);

    for (const std::string& kept : {std::string("MizaroDrill 3\n"), text}) {
        // A later version, and a sound file that fails to read.
        ASSERT_TRUE(WriteFileAtomically(path, kept));
        {
            const FailReadsOf fail(kept == text ? std::vector<std::string>{path}
                                                : std::vector<std::string>{});
            EXPECT_TRUE(deck.Load("default", dir.Dir()).unreadable);
            EXPECT_TRUE(deck.problems.empty());
            deck.problems.push_back(Problem(7));
            EXPECT_TRUE(deck.Save(dir.Dir()));
        }
        EXPECT_EQ(ReadWholeFile(path), kept);
    }
    EXPECT_EQ(DrillFileName("StatCom"), "");
    EXPECT_EQ(DrillFileName("../x"), "");
}

TEST(DrillPage, CountsChartsAndTheProblemsMissedMostOften) {
    DrillDeck deck = Deck(12);
    for (int i = 0; i < 12; ++i)
        deck.problems[i].schedule = {0, 2.5, 1, kToday + 1, 20, i, kToday, kToday - 30};
    deck.problems[0].schedule = {3, 2.5, 16, kToday + 3, 3, 0, kToday - 13, kToday - 30};
    deck.problems.push_back(Problem(12));
    // Two weeks: 3 of 4 right with 2 games losing 300, then 1 of 2 right.
    deck.days = {{kToday - 7, 4, 3, 2, 300.0}, {kToday, 2, 1, 0, 0.0}};
    const std::string page = DrillPage(deck, kToday);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    for (const char* number : {">1</TD>", ">11</TD>", "75.0", "50.0", "150.0", "11 / 20"})
        EXPECT_NE(page.find(number), std::string::npos) << number;
    std::size_t svg = 0, rows = 0;
    for (std::size_t at = 0; (at = page.find("<svg", at)) != std::string::npos; ++at) ++svg;
    for (std::size_t at = 0; (at = page.find(" / 20<", at)) != std::string::npos; ++at) ++rows;
    EXPECT_EQ(svg, 2u);
    EXPECT_EQ(rows, 10u);
    EXPECT_EQ(page.find(">1 / 20<"), std::string::npos);  // the eleventh most missed
}

}  // namespace
}  // namespace mizaro
