#include "core/tile_names.h"

namespace mizaro {

namespace {

constexpr const char* kNumerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
constexpr const char* kSuitNames[] = {"萬", "筒", "索"};
constexpr const char* kHonourNames[] = {"東", "南", "西", "北", "白", "発", "中"};
constexpr const char* kEnglishHonourNames[] = {"East",  "South", "West", "North",
                                               "White", "Green", "Red"};
constexpr char kSuitLetters[] = {'m', 'p', 's'};

}  // namespace

std::string TileName(TileKind k) {
    if (!IsValidKind(k)) return {};
    if (IsHonour(k)) return kHonourNames[k - kEast];
    return std::string(kNumerals[k % 9]) + kSuitNames[k / 9];
}

std::string TileName(TileKind k, Language language) {
    if (language == Language::kJapanese || !IsValidKind(k)) return TileName(k);
    if (IsHonour(k)) return kEnglishHonourNames[k - kEast];
    return std::string{static_cast<char>('1' + k % 9), kSuitLetters[k / 9]};
}

void TileImagePath(TileKind k, std::string& buffer) {
    if (!IsValidKind(k)) return;
    static constexpr char kLetters[] = {'m', 'p', 's', 'j'};
    int number = IsHonour(k) ? k - 26 : k % 9 + 1;
    buffer = std::string("img/") + kLetters[k / 9] + std::to_string(number) + ".gif";
}

std::string TileImagePath(TileKind k) {
    std::string path;
    TileImagePath(k, path);
    return path;
}

}  // namespace mizaro
