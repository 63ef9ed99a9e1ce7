// The settings reader on any bytes: every field it leaves must be one the program can act on,
// and what it writes must read back to the same settings.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/settings.h"
#include "fuzz/fuzz_check.h"
#include "stats/user_name.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mizaro;
    Settings s;
    ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size), s);
    FUZZ_CHECK(IsValidUserName(s.UserName));
    FUZZ_CHECK(s.FilterYaku.size() == static_cast<std::size_t>(kYakuCount));
    FUZZ_CHECK(s.SimShan >= 1 && s.SimShan <= 3);
    FUZZ_CHECK(s.NanikiruDepth >= 1 && s.NanikiruDepth <= 5);
    FUZZ_CHECK(s.Assist >= -1 && s.Assist <= 3);
    FUZZ_CHECK(s.AnaSelectTab >= 0 && s.AnaSelectTab <= 4);
    FUZZ_CHECK(s.FilterMode >= 0 && s.FilterMode <= 3);
    FUZZ_CHECK(s.FilterHai1 >= -1 && s.FilterHai2 <= 6 && s.FilterLast1 >= -1 &&
               s.FilterLast2 <= 6);
    std::string written = FormatSettings(s);
    Settings back;
    SettingsReport r = ParseSettings(written, back);
    FUZZ_CHECK(r.keysRead == kSettingsKeyCount && r.tokensSkipped == 0 && r.valuesRefused == 0);
    FUZZ_CHECK(FormatSettings(back) == written);
    FUZZ_CHECK(back.UserName == s.UserName);
    return 0;
}
