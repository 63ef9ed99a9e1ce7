#include "stats/drill_session.h"

#include <algorithm>
#include <vector>

#include "stats/drill_schedule.h"

namespace mizaro {

DrillStatus CountStatus(const DrillDeck& deck, int day) {
    DrillStatus status;
    for (const DrillProblem& p : deck.problems) {
        if (IsNew(p.schedule))
            ++status.fresh;
        else if (IsDue(p.schedule, day))
            ++status.due;
        else if (IsLearned(p.schedule, day))
            ++status.learned;
        else
            ++status.learning;
    }
    return status;
}

DrillSession::DrillSession(const DrillDeck& deck, int day, const DrillOptions& options)
    : day_(day), options_(options) {
    std::vector<const DrillProblem*> due;
    int introduced = 0;
    for (const DrillProblem& p : deck.problems) {
        if (IsDue(p.schedule, day)) due.push_back(&p);
        if (p.schedule.firstDay == day) ++introduced;
    }
    // The longest overdue first; ids break ties, so the order is the same after a restart.
    std::stable_sort(due.begin(), due.end(), [](const DrillProblem* a, const DrillProblem* b) {
        return a->schedule.due < b->schedule.due;
    });
    for (const DrillProblem* p : due) queue_.push_back(p->id);
    int allowance = options_.newPerDay - introduced;
    for (const DrillProblem& p : deck.problems) {
        if (allowance <= 0) break;
        if (!IsNew(p.schedule)) continue;
        queue_.push_back(p.id);
        --allowance;
    }
}

DrillGrade DrillSession::Answer(DrillDeck& deck, const DrillCard& card, TileKind discard) {
    if (queue_.empty() || card.problemId != queue_.front()) return DrillGrade::kWrong;
    const DrillGrade grade = deck.Answer(card, discard, day_);
    queue_.pop_front();
    if (grade == DrillGrade::kWrong) {
        const auto gap = std::min<std::size_t>(std::max(0, options_.retryAfter), queue_.size());
        queue_.insert(queue_.begin() + static_cast<std::ptrdiff_t>(gap), card.problemId);
    }
    return grade;
}

}  // namespace mizaro
