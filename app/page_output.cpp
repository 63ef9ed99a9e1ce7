#include "app/page_output.h"

#include "platform/atomic_file.h"
#include "platform/text_encoding.h"

namespace mizaro {

bool WritePage(const std::string& path, std::string_view utf8Html) {
    std::optional<std::string> bytes = Utf8ToCp932(utf8Html);
    return bytes && WriteFileAtomically(path, *bytes);
}

bool WritePage(const std::string& path, std::string_view utf8Html, Language language) {
    if (language == Language::kJapanese) return WritePage(path, utf8Html);
    return WriteFileAtomically(path, utf8Html);
}

}  // namespace mizaro
