// What the tests of the English texts read in a text: whether any Japanese is left in it, and
// the figures it shows, which a translation must carry over unchanged and in the same order.
#pragma once

#include <regex>
#include <string>
#include <vector>

namespace mizaro::testing {

// In UTF-8 every kana, kanji and ideographic punctuation (U+3000..U+9FFF) starts with a byte
// E3..E9, every full-width form (U+FF00..U+FFEF) with EF BC..EF BF.
inline bool HasJapanese(const std::string& utf8) {
    for (std::size_t i = 0; i + 1 < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if ((b >= 0xE3 && b <= 0xE9) ||
            (b == 0xEF && static_cast<unsigned char>(utf8[i + 1]) >= 0xBC))
            return true;
    }
    return false;
}

// The figures a reader sees: digits inside a word ("1m", "#F8F8FF", "utf-8", "m1.gif", "-1",
// "12/07") are left out, in both languages alike.
inline std::vector<std::string> Figures(const std::string& text) {
    static const std::regex word("[A-Za-z0-9.#_/+-]+");
    static const std::regex number("[0-9]+(\\.[0-9]+)?");
    std::vector<std::string> figures;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
         it != std::sregex_iterator(); ++it)
        if (std::regex_match(it->str(), number)) figures.push_back(it->str());
    return figures;
}

}  // namespace mizaro::testing
