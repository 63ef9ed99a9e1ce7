#include "core/scoring/yaku_names.h"

#include <array>

namespace mizaro {

namespace {

constexpr std::array<std::string_view, kYakuCount> kNames = {
    "リーチ",   "Ｗリーチ", "一発",     "ツモ",     "ドラ",     "役牌",   "平和",    "断ヤオ",
    "一盃口",   "二盃口",   "一気通貫", "三色同順", "三色同刻", "混一色", "清一色",  "七対子",
    "全帯",     "純全帯",   "三暗刻",   "四暗刻",   "国士",     "小三元", "大三元",  "小四喜和",
    "大四喜和", "字一色",   "混老頭",   "清老頭",   "天和",     "緑一色", "九蓮宝燈"};

// The romanised names English-speaking players use.
constexpr std::array<std::string_view, kYakuCount> kEnglishNames = {
    "Riichi",          "Double riichi", "Ippatsu",       "Menzen tsumo", "Dora",      "Yakuhai",
    "Pinfu",           "Tanyao",        "Iipeikou",      "Ryanpeikou",   "Ittsu",     "Sanshoku",
    "Sanshoku doukou", "Honitsu",       "Chinitsu",      "Chiitoitsu",   "Chanta",    "Junchan",
    "Sanankou",        "Suuankou",      "Kokushi musou", "Shousangen",   "Daisangen", "Shousuushii",
    "Daisuushii",      "Tsuuiisou",     "Honroutou",     "Chinroutou",   "Tenhou",    "Ryuuiisou",
    "Chuuren poutou"};

constexpr std::string_view kUnknownName = "エラー";
constexpr std::string_view kUnknownEnglishName = "Error";

}  // namespace

std::string_view YakuName(YakuId id) {
    return YakuHan::Valid(id) ? kNames[id] : kUnknownName;
}

std::string_view YakuName(YakuId id, Language language) {
    if (language == Language::kJapanese) return YakuName(id);
    return YakuHan::Valid(id) ? kEnglishNames[id] : kUnknownEnglishName;
}

YakuId YakuIdByName(std::string_view name) {
    for (YakuId id = 0; id < kYakuCount; ++id)
        if (kNames[id] == name) return id;
    return -1;
}

int GetHanByName(const YakuHan& han, std::string_view name) {
    return han.GetHan(YakuIdByName(name));
}

void SetHanByName(YakuHan& han, std::string_view name, int value) {
    han.SetHan(YakuIdByName(name), value);
}

}  // namespace mizaro
