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
    if (lowest == kNoTile) return {};
    const char* label = language == Language::kJapanese ? "ドラ表示牌：" : "Dora indicator: ";
    return label + ("<IMG SRC=\"" + prefix + TileImagePath(PrevKind(lowest)) + "\">");
}

std::string CopyHandImagesText(const KyokuState& state) {
    return HandImagesHtml(state, "");
}

std::string CopyPositionHtmlText(const KyokuState& state, Language language) {
    const std::string prefix = "../../";
    const std::string dora = DoraIndicatorHtml(state, prefix, language);
    return "<P>" + HandImagesHtml(state, prefix) + "</P>\n" +
           (dora.empty() ? "" : "<P>" + dora + "</P>\n");
}

}  // namespace mizaro
