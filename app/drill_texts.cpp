#include "app/drill_texts.h"

#include "app/language_text.h"
#include "stats/drill_session.h"

namespace mizaro {

std::string DrillMenuText(const DrillDeck& deck, int day, Language l) {
    if (deck.problems.empty()) return InLanguage(l, "ドリル", "Drill");
    const int due = CountStatus(deck, day).due;
    // The sitting holds the due problems, then as many new ones as the day still allows.
    const int fresh = DrillSession(deck, day).Remaining() - due;
    return InLanguage(l, "ドリル (復習 ", "Drill (review ") + std::to_string(due) +
           InLanguage(l, " / 新規 ", " / new ") + std::to_string(fresh) + ")";
}

std::string DrillStatusLine(const DrillDeck& deck, int day, Language l) {
    const DrillStatus s = CountStatus(deck, day);
    const char* gap = InLanguage(l, "　", "   ");
    return InLanguage(l, "復習 ", "Review ") + std::to_string(s.due) + gap +
           InLanguage(l, "新規 ", "New ") + std::to_string(s.fresh) + gap +
           InLanguage(l, "習得 ", "Learned ") + std::to_string(s.learned) + gap +
           InLanguage(l, "学習中 ", "Learning ") + std::to_string(s.learning);
}

std::string DrillProgressLine(int done, int total, Language l) {
    if (l == Language::kEnglish)
        return "Collecting drill problems… " + std::to_string(done) + "/" + std::to_string(total) +
               " games";
    return "ドリルの問題を集めています… " + std::to_string(done) + "/" + std::to_string(total) +
           "局";
}

}  // namespace mizaro
