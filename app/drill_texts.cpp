#include "app/drill_texts.h"

#include "stats/drill_session.h"

namespace mizaro {

std::string DrillMenuText(const DrillDeck& deck, int day) {
    if (deck.problems.empty()) return "ドリル";
    const int due = CountStatus(deck, day).due;
    // The sitting holds the due problems, then as many new ones as the day still allows.
    const int fresh = DrillSession(deck, day).Remaining() - due;
    return "ドリル (復習 " + std::to_string(due) + " / 新規 " + std::to_string(fresh) + ")";
}

std::string DrillStatusLine(const DrillDeck& deck, int day) {
    const DrillStatus s = CountStatus(deck, day);
    return "復習 " + std::to_string(s.due) + "　新規 " + std::to_string(s.fresh) + "　習得 " +
           std::to_string(s.learned) + "　学習中 " + std::to_string(s.learning);
}

std::string DrillProgressLine(int done, int total) {
    return "ドリルの問題を集めています… " + std::to_string(done) + "/" + std::to_string(total) +
           "局";
}

}  // namespace mizaro
