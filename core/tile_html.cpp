#include "core/tile_html.h"

#include "core/tile_names.h"

namespace mizaro {

void WriteHandImages(const KyokuState& state, std::string& page) {
    for (TileKind k = 0; k < kKinds; ++k)
        for (int i = 0; i < state.hand[k]; ++i)
            page += "<IMG border=0 SRC=\"" + TileImagePath(k) + "\" ALT=\"\">";
    page += "<BR>\n";
}

std::string HandImagesHtml(const KyokuState& state, const std::string& prefix) {
    std::string html;
    for (TileKind k = 0; k < kKinds; ++k)
        for (int i = 0; i < state.hand[k]; ++i)
            html += "<IMG SRC=\"" + prefix + TileImagePath(k) + "\">";
    return html;
}

std::string DoraIndicatorHtml(const KyokuState& state, const std::string& prefix,
                              Language language) {
    TileKind lowest = kNoTile;
    for (TileKind k = 0; k < kKinds && lowest == kNoTile; ++k)
        if (state.dora[k] != 0) lowest = k;
    // With no dora the indicator is no kind at all, and its path stays empty.
    TileKind indicator = lowest == kNoTile ? kNoTile : PrevKind(lowest);
    const char* label = language == Language::kJapanese ? "ドラ表示牌：" : "Dora indicator: ";
    return label + ("<IMG SRC=\"" + prefix + TileImagePath(indicator) + "\">");
}

std::string CopyHandImagesText(const KyokuState& state) {
    return HandImagesHtml(state, "");
}

std::string CopyPositionHtmlText(const KyokuState& state, Language language) {
    const std::string prefix = "../../";
    return "<P>" + HandImagesHtml(state, prefix) + "</P>\n" + "<P>" +
           DoraIndicatorHtml(state, prefix, language) + "</P>\n";
}

}  // namespace mizaro
