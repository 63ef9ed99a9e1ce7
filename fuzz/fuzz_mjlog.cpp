// The XML online-log reader on any bytes, gzip-compressed or not: a game it returns must list
// positions that hold together, and a refusal must hand back no part of a game.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_online_game.h"
#include "online/read_online_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const mizaro::OnlineRead read =
        mizaro::ReadOnlineLog(std::string_view(reinterpret_cast<const char*>(data), size));
    mizaro::fuzz::CheckOnlineRead(read);
    return 0;
}
