// The counter-file reader on any bytes: it must stay in bounds, and what it writes must read
// back to the same counters.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "stats/counter_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mizaro;
    StatSummary s;
    ParseCounterFile(std::string_view(reinterpret_cast<const char*>(data), size), s);
    std::string written = FormatCounterFile(s);
    StatSummary back;
    CounterFileReport r = ParseCounterFile(written, back);
    FUZZ_CHECK(r.tokensSkipped == 0 && r.unknownYaku == 0);
    FUZZ_CHECK(back.N == s.N && back.nAgari == s.nAgari && back.Shanten == s.Shanten);
    // Zero and negative yaku counts are not written, so they read back as zero.
    for (int y = 0; y < kYakuCount; ++y)
        FUZZ_CHECK(back.yakuCount[y] == (s.yakuCount[y] > 0 ? s.yakuCount[y] : 0));
    FUZZ_CHECK(FormatCounterFile(back) == written);
    return 0;
}
