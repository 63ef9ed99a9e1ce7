#include "app/user_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/read_file.h"
#include "read_failure.h"

namespace mizaro {
namespace {

namespace fs = std::filesystem;

class UserListTest : public ::testing::Test {
  protected:
    UserListTest() {
        dir_ =
            fs::temp_directory_path() /
            ("mizaro_users_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~UserListTest() override { fs::remove_all(dir_); }

    std::string Dir() const { return dir_.string() + "/"; }
    bool Exists(const std::string& file) const { return fs::exists(dir_ / file); }

    fs::path dir_;
};

TEST_F(UserListTest, DefaultComesFirstThenTheFoundUsersReversed) {
    UserList list({"alice", "bob"}, "alice");
    EXPECT_EQ(list.names(), (std::vector<std::string>{"default", "bob", "alice"}));
    EXPECT_EQ(list.SelectedName(), "alice");
    UserList unknown({"alice"}, "carol");
    EXPECT_EQ(unknown.SelectedName(), "default");
    UserList empty({}, "default");
    EXPECT_EQ(empty.names().size(), 1u);
    EXPECT_EQ(empty.selected(), 0);
}

TEST_F(UserListTest, AddingStripsBlanksCreatesTheFilesAndSelects) {
    EXPECT_EQ(RemoveNameBlanks(" a\u3000b c\u3000"), "abc");
    UserList list({}, "default");
    EXPECT_EQ(list.Add(" \u3000ta ro\u3000 ", Dir()), AddUserOutcome::kAdded);
    EXPECT_EQ(list.SelectedName(), "taro");
    EXPECT_EQ(list.selected(), 1);
    EXPECT_TRUE(Exists("StatMan_taro.txt"));
    EXPECT_TRUE(Exists("StatMan_taro.log"));

    EXPECT_EQ(list.Add(" \u3000 ", Dir()), AddUserOutcome::kNothingTyped);
    EXPECT_EQ(list.Add("../evil", Dir()), AddUserOutcome::kRefused);
    EXPECT_EQ(list.names().size(), 2u);
    EXPECT_EQ(list.SelectedName(), "taro");
}

TEST_F(UserListTest, AddingAUserWhoseFileCannotBeReadKeepsIt) {
    ASSERT_TRUE(WriteFileAtomically(Dir() + "StatMan_hana.txt", "N\t12\n"));
    {
        testing::FailReadsOf failing({Dir() + "StatMan_hana.txt"});
        UserList list({}, "default");
        EXPECT_EQ(list.Add("hana", Dir()), AddUserOutcome::kAdded);
    }
    EXPECT_EQ(ReadWholeFile(Dir() + "StatMan_hana.txt"), "N\t12\n");
}

TEST_F(UserListTest, TheComputersNameIsNoUser) {
    UserList list({}, "default");
    EXPECT_EQ(list.Add("StatCom", Dir()), AddUserOutcome::kRefused);
    EXPECT_FALSE(Exists("StatCom.txt"));
}

TEST_F(UserListTest, DeletingRemovesTheFilesButNeverTheDefaultUser) {
    UserList list({}, "default");
    EXPECT_FALSE(list.CanDeleteSelected());
    EXPECT_FALSE(list.DeleteSelected(Dir()));
    ASSERT_EQ(list.Add("hanako", Dir()), AddUserOutcome::kAdded);
    EXPECT_TRUE(list.CanDeleteSelected());
    EXPECT_TRUE(list.DeleteSelected(Dir()));
    EXPECT_FALSE(Exists("StatMan_hanako.txt"));
    EXPECT_FALSE(Exists("StatMan_hanako.log"));
    EXPECT_EQ(list.SelectedName(), "default");
    EXPECT_EQ(list.names().size(), 1u);
}

}  // namespace
}  // namespace mizaro
