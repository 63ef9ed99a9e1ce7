#include "platform/help_location.h"

#include <filesystem>
#include <system_error>

#include "platform/program_directory.h"

namespace mizaro {

namespace {

// A language is one folder name: anything that could climb out of help/ is not one.
bool PlainLanguage(const std::string& language) {
    if (language.empty()) return false;
    for (char c : language) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && c != '_' && c != '-') return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> HelpPagePaths(const std::string& programDirectory,
                                       const std::string& language) {
    std::vector<std::string> paths;
    if (programDirectory.empty()) return paths;
    const std::string share = InstalledShareDirectory(programDirectory);
    std::vector<std::string> languages;
    if (PlainLanguage(language) && language != kHelpDefaultLanguage) languages.push_back(language);
    languages.push_back(kHelpDefaultLanguage);
    for (const std::string& lang : languages) {
        const std::string page = "help/" + lang + "/index.html";
        paths.push_back(programDirectory + page);
        if (!share.empty()) paths.push_back(share + page);
    }
    return paths;
}

std::string FindHelpPage(const std::string& programDirectory, const std::string& language) {
    for (const std::string& path : HelpPagePaths(programDirectory, language)) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) return path;
    }
    return {};
}

}  // namespace mizaro
