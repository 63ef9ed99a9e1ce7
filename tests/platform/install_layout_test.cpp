#include <gtest/gtest.h>

#include <filesystem>

#include "platform/data_directory.h"
#include "platform/program_directory.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::TempDir;

// An installation: <prefix>/bin/ beside <prefix>/share/mizaro/, the bin folder writable.
TEST(InstallLayout, AnInstalledProgramKeepsItsDataInTheUsersFolder) {
    TempDir prefix;
    const std::string bin = prefix.File("bin/");
    std::filesystem::create_directories(bin);
    EXPECT_EQ(InstalledShareDirectory(bin), "") << "a build tree has no share folder";
    EXPECT_EQ(ChooseDataDirectory(bin, prefix.File("xdg").c_str(), nullptr,
                                  !InstalledShareDirectory(bin).empty()),
              bin);

    std::filesystem::create_directories(prefix.File("share/mizaro"));
    EXPECT_EQ(InstalledShareDirectory(bin), prefix.File("share/mizaro/"));
    EXPECT_EQ(ChooseDataDirectory(bin, prefix.File("xdg").c_str(), nullptr,
                                  !InstalledShareDirectory(bin).empty()),
              prefix.File("xdg/mizaro/"));
    EXPECT_EQ(InstalledShareDirectory(""), "");
}

}  // namespace
}  // namespace mizaro
