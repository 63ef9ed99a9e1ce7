#include "stats/drill_deck.h"

#include <algorithm>

#include "stats/drill_schedule.h"
#include "stats/stat_file_name.h"

namespace mizaro {

namespace {

std::string RecordText(GameRecord record) {
    record.Encode();
    return std::string(record.Text());
}

DrillDayTally& TallyOf(std::vector<DrillDayTally>& days, int day) {
    auto at = std::lower_bound(days.begin(), days.end(), day,
                               [](const DrillDayTally& t, int d) { return t.day < d; });
    if (at == days.end() || at->day != day) at = days.insert(at, DrillDayTally{day});
    return *at;
}

}  // namespace

int DrillDeck::HarvestStart(std::span<const GameRecord> log) const {
    const int count = static_cast<int>(log.size());
    if (harvestedGames <= 0) return 0;
    if (harvestedGames <= count && RecordText(log[harvestedGames - 1]) == lastHarvested)
        return harvestedGames;
    // The log was rewritten: resume after the last harvested game where it is now, or take the
    // log as new when that game is gone.
    for (int i = count - 1; i >= 0; --i)
        if (RecordText(log[i]) == lastHarvested) return i + 1;
    return 0;
}

void DrillDeck::AddHarvest(HarvestResult harvest, std::span<const GameRecord> log, int firstGame,
                           int day) {
    for (DrillProblem& p : harvest.problems) {
        // A log rewritten from a copy may bring games harvested before back: their problems
        // are held already, with their schedules.
        if (Holds(p.position)) continue;
        if (nextId == kNoNextId) break;  // a file claimed every id; no new one is left
        p.id = nextId++;
        problems.push_back(std::move(p));
    }
    if (harvest.games <= 0) return;
    const int last = firstGame + harvest.games - 1;
    if (last < 0 || last >= static_cast<int>(log.size())) return;
    harvestedGames = last + 1;
    lastHarvested = RecordText(log[last]);
    DrillDayTally& tally = TallyOf(days, day);
    tally.games += harvest.games;
    tally.loss += harvest.totalLoss;
}

int DrillDeck::AddTableProblems(std::vector<DrillProblem> imported) {
    int added = 0;
    for (DrillProblem& p : imported) {
        if (Holds(p.position) || !p.position.table) continue;
        if (nextId == kNoNextId) break;
        p.id = nextId++;
        p.game = 0;
        problems.push_back(std::move(p));
        ++added;
    }
    return added;
}

bool DrillDeck::Holds(const DrillPosition& position) const {
    return std::any_of(problems.begin(), problems.end(),
                       [&position](const DrillProblem& held) { return held.position == position; });
}

DrillProblem* DrillDeck::Find(int id) {
    auto at = std::lower_bound(problems.begin(), problems.end(), id,
                               [](const DrillProblem& p, int i) { return p.id < i; });
    return at != problems.end() && at->id == id ? &*at : nullptr;
}

DrillGrade DrillDeck::Answer(const DrillCard& card, TileKind discard, int day) {
    DrillProblem* problem = Find(card.problemId);
    if (problem == nullptr) return DrillGrade::kWrong;
    const DrillGrade grade = GradeAnswer(card, discard);
    ScheduleAnswer(problem->schedule, AnswerQuality(grade), day);
    DrillDayTally& tally = TallyOf(days, day);
    ++tally.answers;
    if (grade != DrillGrade::kWrong) ++tally.right;
    return grade;
}

std::string DrillFileName(const std::string& name) {
    // The statistics files of a user are "StatMan..." + ext: the drill file takes the rest.
    const std::string stat = StatFileName(name, false);
    constexpr std::string_view kUser = "StatMan";
    if (stat.rfind(kUser, 0) != 0) return {};
    return "Drill" + stat.substr(kUser.size());
}

}  // namespace mizaro
