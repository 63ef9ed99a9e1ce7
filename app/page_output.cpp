#include "app/page_output.h"

#include "platform/atomic_file.h"
#include "platform/text_encoding.h"

namespace mizaro {

bool WritePage(const std::string& path, std::string_view utf8Html) {
    std::optional<std::string> bytes = Utf8ToCp932(utf8Html);
    return bytes && WriteFileAtomically(path, *bytes);
}

bool WritePage(const std::string& path, std::string_view utf8Html, PageEncoding encoding) {
    return encoding == PageEncoding::kCp932 ? WritePage(path, utf8Html)
                                            : WriteFileAtomically(path, utf8Html);
}

bool WritePage(const std::string& path, std::string_view utf8Html, Language language) {
    return WritePage(path, utf8Html, EncodingOf(language));
}

}  // namespace mizaro
