#include "app/display_settings.h"

#include "platform/atomic_file.h"
#include "platform/read_file.h"
#include "platform/token_reader.h"

namespace mizaro {

namespace {

constexpr const char* kLanguageKey = "Language";
constexpr const char* kTileNumbersKey = "TileNumbers";
constexpr int kLastChoice = static_cast<int>(LanguageChoice::kEnglish);

}  // namespace

Language ChosenLanguage(LanguageChoice choice, Language systemLanguage) {
    switch (choice) {
        case LanguageChoice::kJapanese:
            return Language::kJapanese;
        case LanguageChoice::kEnglish:
            return Language::kEnglish;
        case LanguageChoice::kSystem:
            break;
    }
    return systemLanguage;
}

std::string FormatDisplaySettings(const DisplaySettings& s) {
    return std::string(kLanguageKey) + "\t" + std::to_string(static_cast<int>(s.language)) + "\n" +
           kTileNumbersKey + "\t" + (s.tileNumbers ? "1" : "0") + "\n";
}

void ParseDisplaySettings(std::string_view text, DisplaySettings& s) {
    TokenReader in(text);
    while (std::optional<std::string_view> token = in.Next()) {
        const bool language = *token == kLanguageKey;
        if (!language && *token != kTileNumbersKey) continue;
        const std::optional<int> v = in.NextInt();
        if (!v) continue;
        if (language && *v >= 0 && *v <= kLastChoice)
            s.language = static_cast<LanguageChoice>(*v);
        else if (!language && (*v == 0 || *v == 1))
            s.tileNumbers = *v == 1;
    }
}

void LoadDisplaySettings(DisplaySettings& settings) {
    DisplaySettings defaults;
    defaults.path = std::move(settings.path);
    settings = std::move(defaults);
    const FileContents file = ReadFileContents(settings.path);
    if (file.status == ReadStatus::kRead) ParseDisplaySettings(file.data, settings);
}

bool SaveDisplaySettings(const DisplaySettings& settings) {
    return WriteFileAtomically(settings.path, FormatDisplaySettings(settings));
}

}  // namespace mizaro
