#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/atomic_file.h"
#include "platform/data_directory.h"
#include "platform/read_file.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::TempDir;

int FilesIn(const std::string& dir) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) n += e.exists();
    return n;
}

TEST(AtomicFile, ReplacesWholeAndKeepsPermissions) {
    TempDir tmp;
    std::string path = tmp.File("a.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "first\n"));
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, std::string("second\0line\n", 12)));
    EXPECT_EQ(ReadWholeFile(path), std::string("second\0line\n", 12));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesIn(tmp.Dir()), 1) << "no temporary file is left behind";
}

TEST(AtomicFile, FailedWriteLeavesThePreviousFileAndNoLitter) {
    TempDir tmp;
    // The target is a directory with a file inside: the rename cannot replace it.
    std::string target = tmp.File("busy");
    std::filesystem::create_directory(target);
    std::ofstream(target + "/keep") << "kept";
    EXPECT_FALSE(WriteFileAtomically(target, "new"));
    EXPECT_EQ(ReadWholeFile(target + "/keep"), "kept");
    EXPECT_EQ(FilesIn(tmp.Dir()), 1);
    EXPECT_FALSE(WriteFileAtomically(tmp.File("no/such/dir/file"), "x"));
    EXPECT_FALSE(WriteFileAtomically("", "x"));
    EXPECT_FALSE(ReadWholeFile(tmp.File("missing")).has_value());
}

TEST(AtomicFile, StaleTemporariesOfEndedWritersAreRemovedAndNothingElse) {
    TempDir tmp;
    // A process that has ended: its id is free, as a crashed writer's is.
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    ASSERT_GT(ended, 0);
    waitpid(ended, nullptr, 0);
    const std::string dead = std::to_string(ended);
    const std::string alive = std::to_string(getppid());
    const std::string own = std::to_string(getpid());
    // Today's names, and those of earlier versions, which named them after their target.
    const std::vector<std::string> stale = {
        ".mizaro" + dead + "-4.tmp", "StatMan.txt.tmp" + dead + "-0", "QTW.ini.tmp" + dead + "-17"};
    const std::vector<std::string> kept = {"StatMan.txt",
                                           "StatMan.txt.tmp" + alive + "-3",
                                           ".mizaro" + alive + "-3.tmp",
                                           ".mizaro" + dead + "-x.tmp",
                                           "Stat.htm.tmp" + own + "-1",
                                           "notes.tmp",
                                           "a.tmp" + dead,
                                           "a.tmp" + dead + "-x",
                                           ".tmp" + dead + "-1",
                                           "Report.tmp-1"};
    for (const auto& name : stale) ASSERT_TRUE(WriteFileAtomically(tmp.File(name), "x"));
    for (const auto& name : kept) ASSERT_TRUE(WriteFileAtomically(tmp.File(name), "x"));
    std::filesystem::create_directory(tmp.File("img.tmp" + dead + "-2"));

    EXPECT_EQ(RemoveStaleTemporaries(tmp.Dir()), 3);
    for (const auto& name : stale) EXPECT_FALSE(std::filesystem::exists(tmp.File(name))) << name;
    for (const auto& name : kept) EXPECT_TRUE(std::filesystem::exists(tmp.File(name))) << name;
    EXPECT_TRUE(std::filesystem::exists(tmp.File("img.tmp" + dead + "-2")));
    EXPECT_EQ(RemoveStaleTemporaries(tmp.File("missing/")), 0);
}

TEST(DataDirectory, KeepsAWritableProgramDirectory) {
    TempDir program;
    EXPECT_EQ(ChooseDataDirectory(program.Dir(), "/elsewhere", "/home/x"), program.Dir());
    std::string dir = DataDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
}

TEST(DataDirectory, FallsBackToTheUsersDataDirectoryAndCreatesIt) {
    TempDir home;
    const std::string unwritable = "/nonexistent-mizaro-program/";
    std::string xdg = home.File("xdg");
    EXPECT_EQ(ChooseDataDirectory(unwritable, xdg.c_str(), home.Dir().c_str()), xdg + "/mizaro/");
    EXPECT_TRUE(std::filesystem::is_directory(xdg + "/mizaro"));
    // A relative XDG_DATA_HOME is invalid and ignored in favour of the home directory.
    EXPECT_EQ(ChooseDataDirectory(unwritable, "relative", home.Dir().c_str()),
              home.Dir() + ".local/share/mizaro/");
    EXPECT_EQ(ChooseDataDirectory(unwritable, "", home.Dir().c_str()),
              home.Dir() + ".local/share/mizaro/");
    // With nowhere to go the program directory is still the answer.
    EXPECT_EQ(ChooseDataDirectory(unwritable, nullptr, nullptr), unwritable);
}

}  // namespace
}  // namespace mizaro
