#include "platform/help_location.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "temp_dir.h"

namespace mizaro {
namespace {

TEST(HelpLocation, FindsTheLanguagesPageBesideTheProgramOrInstalled) {
    testing::TempDir prefix;
    const std::string bin = prefix.File("bin/");
    std::filesystem::create_directories(bin);
    const auto add = [&](const std::string& file) {
        std::filesystem::create_directories(std::filesystem::path(prefix.File(file)).parent_path());
        std::ofstream(prefix.File(file)) << "<html></html>";
        return prefix.File(file);
    };
    EXPECT_EQ(FindHelpPage(bin, "ja"), "");
    const std::string installed = add("share/mizaro/help/ja/index.html");
    EXPECT_EQ(FindHelpPage(bin, "en"), installed);  // the default language stands in
    const std::string english = add("share/mizaro/help/en/index.html");
    EXPECT_EQ(FindHelpPage(bin, "en"), english);
    add("share/mizaro/index.html");
    EXPECT_EQ(FindHelpPage(bin, ".."), installed);  // never out of help/
    const std::string built = add("bin/help/ja/index.html");
    EXPECT_EQ(FindHelpPage(bin, "ja"), built);  // a build tree's copy comes first
}

}  // namespace
}  // namespace mizaro
