// Loading and saving a summary: the counter file and the game log in the data directory.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/read_file.h"
#include "stats/counter_file.h"
#include "stats/game_log.h"
#include "stats/record_end.h"
#include "stats/stat_file_name.h"
#include "stats/stat_summary.h"

namespace mizaro {

namespace {

// Beyond this many snapshots in one second the counters are kept until the next one.
constexpr int kSnapshotsASecond = 9999;

}  // namespace

bool StatSummary::RebuildFromLog(std::string_view log) {
    StatSummary fresh;
    ParseGameLog(log, fresh.records);
    std::vector<GameRecord> logged = std::move(fresh.records);
    fresh.records.clear();
    for (GameRecord& r : logged) {
        r.Decode();
        std::optional<KyokuState> end = RecordedEnd(r);
        if (!end || !fresh.RecordGame(*end, r)) return false;
    }
    fresh.name = name;
    fresh.simStartClock = simStartClock;
    fresh.simStartN = simStartN;
    *this = std::move(fresh);
    return true;
}

void StatSummary::Load(const std::string& newName, const std::string& directory) {
    name = newName;
    Reset();
    unreadableFiles.clear();
    restoredFrom.clear();
    std::string counterName = StatFileName(name, false);
    if (counterName.empty()) return;
    const std::string counterPath = directory + counterName;
    const std::string logPath = directory + StatFileName(name, true);
    FileContents counters = ReadFileContents(counterPath);
    if (counters.status == ReadStatus::kUnreadable) {
        // The log belongs to the counters it was not read with: both stay as they are.
        unreadableFiles = {counterPath, logPath};
        return;
    }
    if (counters.status == ReadStatus::kMissing) {
        // A log without its counters holds the games of counters that were lost or deleted
        // alone: they are counted again from it. A log that cannot be replayed whole is kept as
        // it is, so a fresh log is never saved over it.
        FileContents log = ReadFileContents(logPath);
        if (log.status == ReadStatus::kMissing) return;
        if (log.status == ReadStatus::kRead && RebuildFromLog(log.data)) {
            if (!records.empty()) restoredFrom = logPath;
            return;
        }
        unreadableFiles.push_back(logPath);
        return;
    }
    ParseCounterFile(counters.data, *this);
    // Counters and records are independent; a log that does not open leaves no records.
    FileContents log = ReadFileContents(logPath);
    if (log.status == ReadStatus::kRead) ParseGameLog(log.data, records);
    if (log.status == ReadStatus::kUnreadable) unreadableFiles.push_back(logPath);
}

bool StatSummary::Save(const std::string& directory) {
    std::string counterName = StatFileName(name, false);
    if (counterName.empty()) return false;
    auto write = [this](const std::string& path, const std::string& contents) {
        for (const std::string& kept : unreadableFiles)
            if (kept == path) return true;
        return WriteFileAtomically(path, contents);
    };
    // The log is attempted even when the counter file could not be written.
    bool countersOk = write(directory + counterName, FormatCounterFile(*this));
    bool logOk = write(directory + StatFileName(name, true), FormatGameLog(records));
    return countersOk && logOk;
}

bool StatSummary::SaveSnapshot(const std::string& directory, std::time_t when) {
    std::tm local{};
    if (!localtime_r(&when, &local)) return false;
    char stamp[80];  // room for any int the fields may hold
    std::snprintf(stamp, sizeof stamp, "StatCom%04d%02d%02d%02d%02d%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    // A fast simulation with a short period reaches a second snapshot within the same second;
    // replacing the first would lose its games, since the counters are cleared after each one,
    // so later ones of that second take the next free "_2", "_3"... name.
    for (int n = 1; n <= kSnapshotsASecond; ++n) {
        const std::string path =
            directory + stamp + (n == 1 ? "" : "_" + std::to_string(n)) + ".txt";
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) continue;
        if (ec) return false;
        return WriteFileAtomically(path, FormatCounterFile(*this));
    }
    return false;
}

}  // namespace mizaro
