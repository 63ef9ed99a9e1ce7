#include "app/status_text.h"

#include <cstdio>

namespace mizaro {

std::string StatusLine(int games, int wins, double winPoints) {
    const double rate = games > 0 ? 100.0 * wins / games : 0.0;
    const double value = games > 0 ? winPoints / games : 0.0;
    char text[160];
    std::snprintf(text, sizeof text, "%6d 局目   和了:%5d回 ( %5.2f %% )   期待値:%8.2f 点", games,
                  wins, rate, value);
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

std::string ExhaustedText(int shanten) {
    if (shanten == 0) return "テンパイ";
    char text[64];
    std::snprintf(text, sizeof text, "ノーテン ( %d 向聴 )", shanten);
    return text;
}

std::string InfoText(bool showShanten, const ShantenResult& shanten) {
    if (!showShanten) return "一般\t? \n七対子\t? \n国士\t?";
    char text[96];
    std::snprintf(text, sizeof text, "一般\t%d\n七対子\t%d\n国士\t%d", shanten.regular,
                  shanten.chiitoi, shanten.kokushi);
    return text;
}

}  // namespace mizaro
