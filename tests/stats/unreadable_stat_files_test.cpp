// A player's statistics are years of games: a file that is there but cannot be read must come
// through every save unchanged, while a missing file is simply started afresh.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/random.h"
#include "platform/atomic_file.h"
#include "platform/read_file.h"
#include "read_failure.h"
#include "stats/stat_file_name.h"
#include "stats/stat_summary.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::FailReadsOf;
using testing::TempDir;

constexpr int kExhaustedTurn = kMaxTurns + 1;

// A user with history on disk: six games, and the bytes of its two files.
struct History {
    explicit History(const TempDir& dir, const std::string& name = "default") {
        StatSummary st;
        st.name = name;
        SeedThreadRandom(31);
        for (int i = 0; i < 6; ++i) {
            KyokuState s;
            GameRecord r;
            s.Deal();
            r.FromDeal(s);
            r.doraIndicator = s.DrawDoraIndicator();
            s.turn = kExhaustedTurn;
            st.RecordGame(s, r);
        }
        EXPECT_TRUE(st.Save(dir.Dir()));
        counters = *ReadWholeFile(dir.File(StatFileName(name, false)));
        log = *ReadWholeFile(dir.File(StatFileName(name, true)));
    }
    std::string counters;
    std::string log;
};

// What the program does with a summary in a run: play, erase, save.
void PlayEraseAndSave(StatSummary& st, const std::string& dir) {
    KyokuState s;
    s.Deal();
    s.turn = kExhaustedTurn;
    st.RecordGame(s, GameRecord{});
    EXPECT_TRUE(st.Save(dir)) << "a file kept on purpose is not a failed save";
    st.Reset();
    EXPECT_TRUE(st.Save(dir));
}

TEST(UnreadableStatFiles, ACounterFileThatCannotBeReadKeepsBothFiles) {
    TempDir dir;
    const History before(dir);
    {
        FailReadsOf failing({dir.File("StatMan.txt")});
        StatSummary st;
        st.Load("default", dir.Dir());
        EXPECT_EQ(st.N, 0);
        EXPECT_EQ(st.unreadableFiles,
                  (std::vector<std::string>{dir.File("StatMan.txt"), dir.File("StatMan.log")}));
        PlayEraseAndSave(st, dir.Dir());
        StatSummary shown;
        shown.CopyCounters(st);
        EXPECT_TRUE(shown.Save(dir.Dir()));
    }
    EXPECT_EQ(ReadWholeFile(dir.File("StatMan.txt")), before.counters);
    EXPECT_EQ(ReadWholeFile(dir.File("StatMan.log")), before.log);
    StatSummary again;
    again.Load("default", dir.Dir());
    EXPECT_EQ(again.N, 6);
    EXPECT_TRUE(again.unreadableFiles.empty());
}

TEST(UnreadableStatFiles, ALogThatCannotBeReadIsKeptWhileTheCountersGoOn) {
    TempDir dir;
    const History before(dir, "hanako");
    const std::string log = dir.File("StatMan_hanako.log");
    {
        FailReadsOf failing({log});
        StatSummary st;
        st.Load("hanako", dir.Dir());
        EXPECT_EQ(st.N, 6);
        EXPECT_TRUE(st.records.empty());
        EXPECT_EQ(st.unreadableFiles, std::vector<std::string>{log});
        KyokuState s;
        s.Deal();
        s.turn = kExhaustedTurn;
        st.RecordGame(s, GameRecord{});
        EXPECT_TRUE(st.Save(dir.Dir()));
    }
    EXPECT_EQ(ReadWholeFile(log), before.log);
    StatSummary again;
    again.Load("hanako", dir.Dir());
    EXPECT_EQ(again.N, 7);
    EXPECT_EQ(again.records.size(), 6u);
}

TEST(UnreadableStatFiles, ALogWhoseCountersAreMissingIsKeptNotStartedAfresh) {
    TempDir dir;
    const History before(dir, "jiro");
    const std::string log = dir.File("StatMan_jiro.log");
    ASSERT_TRUE(std::filesystem::remove(dir.File("StatMan_jiro.txt")));
    StatSummary st;
    st.Load("jiro", dir.Dir());
    EXPECT_EQ(st.N, 0);
    EXPECT_TRUE(st.records.empty());
    EXPECT_EQ(st.unreadableFiles, std::vector<std::string>{log});
    PlayEraseAndSave(st, dir.Dir());
    EXPECT_EQ(ReadWholeFile(log), before.log);
    // The fresh counters were saved, and with them the kept games are read again.
    StatSummary again;
    again.Load("jiro", dir.Dir());
    EXPECT_EQ(again.N, 0);
    EXPECT_EQ(again.records.size(), 6u);
    EXPECT_TRUE(again.unreadableFiles.empty());
}

TEST(UnreadableStatFiles, RealReadFailuresAreTakenForUnreadableNotMissing) {
    TempDir dir;
    EXPECT_EQ(ReadFileContents(dir.File("none.txt")).status, ReadStatus::kMissing);
    EXPECT_EQ(ReadFileContents(dir.File("none/deeper.txt")).status, ReadStatus::kMissing);
    // A directory in the place of the counter file opens but cannot be read, even for root.
    ASSERT_TRUE(std::filesystem::create_directory(dir.File("StatMan.txt")));
    EXPECT_EQ(ReadFileContents(dir.File("StatMan.txt")).status, ReadStatus::kUnreadable);
    StatSummary st;
    st.Load("default", dir.Dir());
    EXPECT_EQ(st.unreadableFiles.size(), 2u);
    ASSERT_TRUE(WriteFileAtomically(dir.File("taro.txt"), "N 2\n"));
    if (geteuid() != 0) {
        // Without the right to read: only where permissions bind.
        ASSERT_EQ(chmod(dir.File("taro.txt").c_str(), 0), 0);
        EXPECT_EQ(ReadFileContents(dir.File("taro.txt")).status, ReadStatus::kUnreadable);
        ASSERT_EQ(chmod(dir.File("taro.txt").c_str(), 0600), 0);
    }
    FileContents read = ReadFileContents(dir.File("taro.txt"));
    EXPECT_EQ(read.status, ReadStatus::kRead);
    EXPECT_EQ(read.data, "N 2\n");
}

}  // namespace
}  // namespace mizaro
