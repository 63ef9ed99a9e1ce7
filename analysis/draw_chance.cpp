#include "analysis/draw_chance.h"

namespace mizaro {

DrawChances MakeDrawChances(int poolBeforeFirstDraw) {
    DrawChances chances;
    chances.pool = poolBeforeFirstDraw;
    for (int left = 0; left <= kTilesOfKind; ++left)
        for (int k = 1; k <= kMaxTurns; ++k)
            chances.byLeft[left][k] = left / static_cast<double>(poolBeforeFirstDraw - k);
    return chances;
}

const DrawChances& SoloDrawChances() {
    static const DrawChances solo = MakeDrawChances(kSoloPoolBeforeFirstDraw);
    return solo;
}

}  // namespace mizaro
