#include "analysis/page_text.h"

#include <cstdarg>
#include <cstdio>

#include "core/tile_names.h"
#include "platform/version.h"

namespace mizaro {

void AppendF(std::string& out, const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) {
        va_end(again);
        return;
    }
    if (static_cast<std::size_t>(n) < sizeof buffer) {
        out.append(buffer, static_cast<std::size_t>(n));
    } else {
        const std::size_t at = out.size();
        out.resize(at + static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data() + at, static_cast<std::size_t>(n) + 1, format, again);
        out.resize(at + static_cast<std::size_t>(n));
    }
    va_end(again);
}

std::string PageHead(std::string_view title, Language language) {
    const bool japanese = language == Language::kJapanese;
    std::string head = japanese ? "<html><title>" : "<html><head><meta charset=\"utf-8\"><title>";
    head += title;
    head += japanese ? "</title>\n<body>\n" : "</title></head>\n<body>\n";
    // The program has no web pages of its own to link to; the two lines name it instead.
    head += "Mizaro ver.";
    head += ProgramVersion();
    head += "<BR>\n";
    head +=
        japanese ? "一人麻雀の期待値解析<BR>\n" : "Expected-value analysis of solo mahjong<BR>\n";
    return head;
}

void AppendDoraLine(std::string& out, const char* line, const KyokuState& state) {
    for (TileKind k = 0; k < kKinds; ++k)
        if (state.dora[k] != 0) {
            AppendF(out, line, TileImagePath(PrevKind(k)).c_str());
            return;
        }
}

}  // namespace mizaro
