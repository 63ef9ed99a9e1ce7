#include "app/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/simulation_batch.h"
#include "core/random.h"
#include "platform/atomic_file.h"
#include "platform/read_file.h"
#include "stats/counter_file.h"
#include "stats/game_log.h"
#include "stats/record_end.h"
#include "stats/user_name.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::TempDir;

// The counter file and the log of the computer after a batch added to an empty directory.
struct Files {
    std::string counters;
    std::string log;
};

Files PlayIntoDirectory(const SimulationBatch& batch, const std::string& directory) {
    StatSummary com;
    com.Load(std::string(kComputerStatName), directory);
    EXPECT_TRUE(PlaySimulationBatch(batch, [&](int, const KyokuState& s, const GameRecord& r) {
        RecordComputerGame(com, s, r, 0, directory);
    }));
    EXPECT_TRUE(com.Save(directory));
    return {*ReadWholeFile(directory + "StatCom.txt"), *ReadWholeFile(directory + "StatCom.log")};
}

// Replays a record from its deal with no help from the simulation: the dealt tiles, the
// indicator, every draw and discard, riichi at its turn. Fails the test on any step the rules
// forbid; gives the state at the game's end, ready for RecordGame.
KyokuState Replay(const GameRecord& r) {
    KyokuState s;
    s.mode = r.mode;
    s.Reset();
    for (TileKind k : r.dealt) EXPECT_TRUE(s.DrawKind(k));
    s.shantenAfter[0] = s.Shanten();
    EXPECT_GT(s.wall[r.doraIndicator], 0);
    s.AddDoraIndicator(r.doraIndicator);
    for (int t = 1; t <= kMaxTurns; ++t) {
        EXPECT_TRUE(s.DrawKind(r.draws[t - 1])) << "turn " << t;
        if (s.Shanten() == -1) {
            // Won: no discard follows, and the ura-dora indicator comes from the wall.
            EXPECT_EQ(r.discards[t - 1], kNoTile);
            if (r.uraIndicator != kNoTile) {
                EXPECT_GT(s.wall[r.uraIndicator], 0);
                s.AddDoraIndicator(r.uraIndicator);
                s.uraIndicator = r.uraIndicator;
            }
            return s;
        }
        // After riichi the draw goes straight out.
        if (s.reachTurn != 0) {
            EXPECT_EQ(r.discards[t - 1], r.draws[t - 1]) << "turn " << t;
        }
        EXPECT_TRUE(s.Discard(r.discards[t - 1], true)) << "turn " << t;
    }
    EXPECT_EQ(r.uraIndicator, kNoTile);
    return s;
}

TEST(Simulation, ReplayedRecordsGiveTheSameTurnsRiichiWinsAndCounters) {
    TempDir dir;
    SimulationBatch batch;
    batch.games = 400;
    batch.seed = 11;
    const Files files = PlayIntoDirectory(batch, dir.Dir());

    std::vector<GameRecord> records;
    ParseGameLog(files.log, records);
    ASSERT_EQ(records.size(), 400u);
    StatSummary replayed;
    replayed.name = std::string(kComputerStatName);
    int wins = 0;
    for (GameRecord& r : records) {
        r.Decode();
        ASSERT_TRUE(r.IsReplayable());
        const KyokuState end = Replay(r);
        // The computer declares riichi as soon as a discard leaves it ready.
        EXPECT_EQ(end.reachTurn, r.reachTurn);
        wins += end.turn <= kMaxTurns;
        replayed.RecordGame(end, r);
    }
    EXPECT_GT(wins, 20);
    // Turns, riichi, wins, points, yaku and shanten sums all meet in the counter file.
    EXPECT_EQ(FormatCounterFile(replayed), files.counters);

    // Counters lost from disk are counted again from the log alone, to the same files.
    ASSERT_TRUE(std::filesystem::remove(dir.File("StatCom.txt")));
    StatSummary rebuilt;
    rebuilt.Load(std::string(kComputerStatName), dir.Dir());
    EXPECT_EQ(rebuilt.restoredFrom, dir.File("StatCom.log"));
    EXPECT_TRUE(rebuilt.unreadableFiles.empty());
    EXPECT_EQ(FormatCounterFile(rebuilt), files.counters);
    EXPECT_EQ(FormatGameLog(rebuilt.records), files.log);

    // Records the program could not have written are not counted: the log is kept unread.
    const auto game = [&](bool (*wanted)(const GameRecord&)) {
        return *std::find_if(records.begin(), records.end(), wanted);
    };
    GameRecord noUra = game([](const GameRecord& r) { return r.uraIndicator != kNoTile; });
    noUra.uraIndicator = kNoTile;
    // A game that ran out without ever being ready before its last discard.
    GameRecord early =
        game([](const GameRecord& r) { return !r.reachTurn && r.discards[17] >= 0; });
    GameRecord cutShort = early;
    early.reachTurn = 1;
    cutShort.draws[17] = cutShort.discards[17] = kNoTile;
    for (const GameRecord& bad : {noUra, early, cutShort}) EXPECT_FALSE(RecordedEnd(bad));
    WriteFileAtomically(dir.File("StatCom.log"), "401" + files.log.substr(3) + "AAAAAAAAAAAAA\n");
    rebuilt.Load(std::string(kComputerStatName), dir.Dir());
    EXPECT_EQ(rebuilt.unreadableFiles, std::vector<std::string>{dir.File("StatCom.log")});
}

TEST(SimulationThreadTest, OneAndTwoJobsWriteTheSameFiles) {
    TempDir one;
    TempDir two;
    SimulationBatch batch;
    batch.games = 300;
    batch.level = 1;
    batch.mode = kModeHonitsu;
    batch.seed = 5;
    const Files a = PlayIntoDirectory(batch, one.Dir());
    batch.jobs = 2;
    const Files b = PlayIntoDirectory(batch, two.Dir());
    EXPECT_EQ(a.counters, b.counters);
    EXPECT_EQ(a.log, b.log);
    batch.seed = 6;
    EXPECT_NE(PlayIntoDirectory(batch, TempDir().Dir()).log, a.log) << "the seed chooses games";
}

TEST(Simulation, SnapshotRuleClearsOnlyAfterASavedSnapshot) {
    TempDir dir;
    SeedThreadRandom(3);
    StatSummary com;
    com.name = std::string(kComputerStatName);
    KyokuState s;
    GameRecord r;
    for (int game = 1; game <= 5; ++game) {
        PlayComputerGame(s, r);
        RecordComputerGame(com, s, r, 3, dir.Dir());
    }
    // Cleared at the third game; the fifth is not a multiple of three.
    EXPECT_EQ(com.N, 2);
    EXPECT_EQ(com.records.size(), 2u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Dir()),
                            std::filesystem::directory_iterator()),
              1);

    // A snapshot that cannot be written keeps every game.
    StatSummary kept;
    kept.name = std::string(kComputerStatName);
    for (int game = 1; game <= 4; ++game) {
        PlayComputerGame(s, r);
        RecordComputerGame(kept, s, r, 2, dir.File("missing/"));
    }
    EXPECT_EQ(kept.N, 4);

    // Games within one second each leave a snapshot of their own, and each clears the counters.
    for (int game = 1; game <= 3; ++game) {
        PlayComputerGame(s, r);
        RecordComputerGame(kept, s, r, 1, dir.Dir(), 1'700'000'000);
    }
    EXPECT_EQ(kept.N, 0);
}

}  // namespace
}  // namespace mizaro
