// The riichi analysis (リーチ？): for a hand one discard from ready, the value of the ready hand
// with riichi (the search value, which always assumes riichi) against its value without riichi
// (dama), where every win is taken at its plain points and a draw may lead to a better hand.
#pragma once

#include <atomic>
#include <vector>

#include "analysis/nanikiru_search.h"
#include "analysis/page_text.h"

namespace mizaro {

class ReachAnalysis {
  public:
    // Analyses the 13-tile ready `position` (its turn is the number of the next draw) given
    // the value of declaring riichi on it. A position that is not ready keeps every value 0.
    // Once `stop` is set the analysis ends soon, stopped and with values to be dropped.
    ReachAnalysis(const KyokuState& position, double evRiichi,
                  const std::atomic<bool>* stop = nullptr);

    bool stopped = false;
    double evRiichi = 0.0;
    double evDama = 0.0;
    KyokuState state;
    // Hands that a draw and the computer's reply lead to and that are worth more than riichi,
    // by ascending drawn kind.
    struct ChangeCandidate {
        KyokuState state;  // after the draw and the reply
        TurnValues ev;     // by the number of the next draw
    };
    std::vector<ChangeCandidate> changeCandidates;
    int winTiles = 0;     // wall tiles that complete the hand
    int changeTiles = 0;  // wall tiles that lead to a hand-change candidate
    // By kind: the points of the self-drawn win without riichi; 0 for a kind that does not win.
    std::array<int, kKinds> winPoints{};
    TurnValues damaEv{};  // by the number of the next draw
};

// Chooses the discard as the computer would, analyses the ready hand it leaves and returns the
// page Dama.htm, or the refusal of a hand that is not one discard from ready, in `language`.
// Once `stop` is set the searches end soon and the text is marked stopped.
AnalysisText DamaPageFor(const KyokuState& game, Language language = Language::kJapanese,
                         const std::atomic<bool>* stop = nullptr);

std::string DamaPage(const ReachAnalysis& analysis, Language language = Language::kJapanese);

}  // namespace mizaro
