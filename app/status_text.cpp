#include "app/status_text.h"

#include <cstdio>

#include "app/language_text.h"

namespace mizaro {

std::string StatusLine(int games, int wins, double winPoints, Language l) {
    const double rate = games > 0 ? 100.0 * wins / games : 0.0;
    const double value = games > 0 ? winPoints / games : 0.0;
    char text[160];
    std::snprintf(text, sizeof text,
                  InLanguage(l, "%6d 局目   和了:%5d回 ( %5.2f %% )   期待値:%8.2f 点",
                             "Game %6d   Wins:%5d ( %5.2f %% )   Mean:%8.2f pts"),
                  games, wins, rate, value);
    return text;
}

std::string SimulationStatusLine(const std::string& line, double msPerGame) {
    char ms[64];
    std::snprintf(ms, sizeof ms, "    %7.2f ms", msPerGame);
    return line + ms;
}

double MsPerGame(int nowMs, int startMs, int games, int startGames) {
    if (games <= startGames) return 0.0;
    return static_cast<double>(nowMs - startMs) / (games - startGames);
}

std::string ExhaustedText(int shanten, Language l) {
    if (shanten == 0) return InLanguage(l, "テンパイ", "Tenpai");
    char text[64];
    std::snprintf(text, sizeof text, InLanguage(l, "ノーテン ( %d 向聴 )", "Noten ( %d shanten )"),
                  shanten);
    return text;
}

const char* EditStatusLine(Language l) {
    return InLanguage(l, kEditStatusLine, "Edit mode");
}

std::string InfoText(bool showShanten, const ShantenResult& shanten, Language l) {
    if (!showShanten)
        return InLanguage(l, "一般\t? \n七対子\t? \n国士\t?",
                          "Regular\t? \nChiitoi\t? \nKokushi\t?");
    char text[96];
    std::snprintf(
        text, sizeof text,
        InLanguage(l, "一般\t%d\n七対子\t%d\n国士\t%d", "Regular\t%d\nChiitoi\t%d\nKokushi\t%d"),
        shanten.regular, shanten.chiitoi, shanten.kokushi);
    return text;
}

}  // namespace mizaro
