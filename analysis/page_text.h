// What the analysis pages share: printf-style appending, the page frame and the separator.
//
// The pages are built in memory as UTF-8 and converted to code page 932 only when written, so
// that one text serves the file, standard output and the clipboard alike.
#pragma once

#include <string>
#include <string_view>

#include "core/kyoku_state.h"
#include "core/language.h"

namespace mizaro {

// What an analysis command gives: its text (a page or a clipboard text), or the message that
// refuses the position, in which case nothing is to be written or copied. A search stopped
// before its end gives neither, and nothing is to be shown.
struct AnalysisText {
    std::string text;
    std::string refusal;
    bool stopped = false;
    bool ok() const { return refusal.empty() && !stopped; }
};

// Appends printf-style; numbers follow the C numeric locale that the programs set at start.
[[gnu::format(printf, 2, 3)]] void AppendF(std::string& out, const char* format, ...);

// "<html><title>…</title>\n<body>\n" and the two lines that name the program. The Japanese
// page declares no encoding (it is read as the system's); the English one is UTF-8 and says so.
std::string PageHead(std::string_view title, Language language = Language::kJapanese);
inline constexpr std::string_view kPageTail = "</body></html>";

inline constexpr std::string_view kDottedRule =
    "<hr style=\"border-style: dotted\" size=\"1\" color=\"#C0C0C0\">\n";

// The opening of every bordered table of the what-to-discard pages.
inline constexpr std::string_view kTableOpen =
    "<TABLE border=\"1\" style=\"border-collapse: collapse\" cellpadding=\"5\"\n"
    "bordercolorlight=\"#C0C0C0\" bordercolordark=\"#C0C0C0\"> \n";

// Appends `line`, a format whose one %s is the image path of the dora indicator: the kind
// before the lowest kind that carries dora. A position without dora has no indicator to show,
// so nothing is appended rather than an image with no file.
void AppendDoraLine(std::string& out, const char* line, const KyokuState& state);

}  // namespace mizaro
