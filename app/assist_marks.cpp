#include "app/assist_marks.h"

#include <cmath>

namespace mizaro {

double BestAssistValue(const KindValues& values) {
    double best = 0.0;
    for (double v : values) {
        if (v > best) best = v;
    }
    return best;
}

KindMarks AssistMarks(const KindValues& values) {
    KindMarks marks;
    marks.fill(kNoMark);
    const double best = BestAssistValue(values);
    if (best <= 0.0) return marks;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (values[k] == 0.0) continue;
        marks[k] = static_cast<int>(std::floor(values[k] / best * kBestMark));
    }
    return marks;
}

std::string_view AssistMarkText(int mark) {
    switch (mark) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
            return "－";
        case 6:
            return "×";
        case 7:
            return "△";
        case 8:
            return "○";
        case 9:
            return "◎";
        case 10:
            return "★";
        default:
            return "";
    }
}

}  // namespace mizaro
