// Logs are often stored gzip-compressed. The size is capped, so a small hostile file cannot
// expand into gigabytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mizaro {

inline constexpr std::size_t kMaxLogBytes = 16 * 1024 * 1024;

bool IsGzip(std::string_view data);

// The decompressed bytes in `out`; the reason when the data is broken or inflates past
// kMaxLogBytes, else empty.
std::string Gunzip(std::string_view data, std::string& out);

}  // namespace mizaro
