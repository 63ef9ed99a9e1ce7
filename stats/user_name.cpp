#include "stats/user_name.h"

#include "platform/text_encoding.h"

namespace mizaro {

namespace {

// The longest file name most file systems take is 255 bytes; "StatMan_" and ".txt" use 12.
constexpr std::size_t kMaxUserNameBytes = 243;
constexpr unsigned char kDelete = 0x7f;
constexpr std::string_view kFullWidthSpace = "\u3000";

}  // namespace

bool IsValidUserName(std::string_view name) {
    if (name.empty() || name.size() > kMaxUserNameBytes) return false;
    for (char ch : name) {
        auto c = static_cast<unsigned char>(ch);
        if (c <= ' ' || c == kDelete || ch == '/' || ch == '\\') return false;
    }
    if (name.find(kFullWidthSpace) != std::string_view::npos) return false;
    return Utf8ToCp932(name).has_value();
}

}  // namespace mizaro
