// The drill-file reader on any bytes: every problem it keeps is one a search can take, and the
// deck it reads writes out as a file that reads back whole to the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "stats/drill_deck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mizaro;
    DrillDeck deck;
    const DrillLoadReport report =
        ParseDrillFile(std::string_view(reinterpret_cast<const char*>(data), size), deck);
    if (report.unreadable) {
        FUZZ_CHECK(deck.problems.empty() && deck.days.empty());
        return 0;
    }
    for (const DrillProblem& p : deck.problems) {
        KyokuState state;
        FUZZ_CHECK(BuildProblemState(p.position, state));
        FUZZ_CHECK(FindCandidate(p.candidates, p.made) != nullptr && p.id < deck.nextId);
    }
    const std::string written = FormatDrillFile(deck);
    DrillDeck back;
    FUZZ_CHECK(ParseDrillFile(written, back).damagedLines == 0);
    FUZZ_CHECK(back.problems.size() == deck.problems.size());
    FUZZ_CHECK(FormatDrillFile(back) == written);
    return 0;
}
