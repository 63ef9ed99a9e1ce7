#include "platform/help_location.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::TempDir;

// Which page is found for the files present under <prefix>/ and the language asked for.
TEST(HelpLocation, FindsTheLanguagesPageBesideTheProgramOrInstalled) {
    struct Row {
        std::vector<const char*> files;  // relative to the prefix
        const char* language;
        const char* found;  // relative to the prefix; "" for none
    };
    const Row rows[] = {
        {{}, "ja", ""},
        {{"share/mizaro/help/ja/index.html"}, "ja", "share/mizaro/help/ja/index.html"},
        {{"share/mizaro/help/ja/index.html", "bin/help/ja/index.html"},
         "ja",
         "bin/help/ja/index.html"},
        {{"share/mizaro/help/ja/index.html"}, "en", "share/mizaro/help/ja/index.html"},
        {{"share/mizaro/help/ja/index.html", "share/mizaro/help/en/index.html"},
         "en",
         "share/mizaro/help/en/index.html"},
        // A language that is not a plain folder name falls back rather than leaving help/.
        {{"share/mizaro/help/ja/index.html", "share/mizaro/index.html"},
         "../..",
         "share/mizaro/help/ja/index.html"},
        // A folder where the page should be is no page.
        {{"bin/help/ja/index.html/"}, "ja", ""},
    };
    for (const Row& row : rows) {
        TempDir prefix;
        std::filesystem::create_directories(prefix.File("bin"));
        for (const std::string file : row.files) {
            const std::filesystem::path path = prefix.File(file);
            if (file.back() == '/') {
                std::filesystem::create_directories(path);
                continue;
            }
            std::filesystem::create_directories(path.parent_path());
            std::ofstream(path) << "<html></html>";
        }
        const std::string expected = *row.found == '\0' ? "" : prefix.File(row.found);
        EXPECT_EQ(FindHelpPage(prefix.File("bin/"), row.language), expected)
            << row.language << " with " << row.files.size() << " files";
    }
    EXPECT_EQ(FindHelpPage("", "ja"), "");
}

}  // namespace
}  // namespace mizaro
