// mizaro-cli check <file>...: reads each file with the reader the program itself would use
// (chosen by the file's extension) and says what that reader made of it.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/position_file.h"
#include "app/settings.h"
#include "platform/read_file.h"
#include "stats/counter_file.h"
#include "stats/game_log.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

struct Verdict {
    bool ok = false;
    std::string text;
};

Verdict CheckPosition(const std::string& text) {
    KyokuState state;
    PositionReadResult r = ParsePosition(text, state);
    if (!r.ok) return {false, r.reason};
    return {true, "position: turn " + std::to_string(state.turn) + ", " +
                      std::to_string(state.HandTileCount()) + " tiles in hand, " +
                      std::to_string(state.WallTileCount()) + " in the wall"};
}

Verdict CheckSettings(const std::string& text) {
    Settings s;
    SettingsReport r = ParseSettings(text, s);
    return {true, "settings: " + std::to_string(r.keysRead) + " keys read, user " + s.UserName +
                      ", " + std::to_string(r.valuesRefused) + " values refused, " +
                      std::to_string(r.tokensSkipped) + " tokens skipped"};
}

Verdict CheckCounters(const std::string& text) {
    StatSummary s;
    CounterFileReport r = ParseCounterFile(text, s);
    int yaku = 0;
    for (int c : s.yakuCount) yaku += c > 0;
    return {true, "counters: " + std::to_string(s.N) + " games, " + std::to_string(s.nAgari) +
                      " won, " + std::to_string(yaku) + " yaku counted, " +
                      std::to_string(r.unknownYaku) + " unknown yaku, " +
                      std::to_string(r.tokensSkipped) + " tokens skipped"};
}

Verdict CheckLog(const std::string& text) {
    std::vector<GameRecord> records;
    GameLogReport r = ParseGameLog(text, records);
    if (r.countMissing) return {false, "the first token is not a record count"};
    int unsound = 0;
    for (GameRecord& rec : records) {
        rec.Decode();
        unsound += !rec.IsReplayable();
    }
    return {true, "game log: " + std::to_string(records.size()) + " records of " +
                      std::to_string(r.declared) + " declared, " + std::to_string(unsound) +
                      " not replayable, " + std::to_string(r.tooLong) + " overlong skipped"};
}

Verdict Check(const std::string& path) {
    auto endsWith = [&](const char* ext) { return path.ends_with(ext); };
    Verdict (*reader)(const std::string&) = nullptr;
    if (endsWith(kPositionExtension))
        reader = CheckPosition;
    else if (endsWith(".ini"))
        reader = CheckSettings;
    else if (endsWith(".txt"))
        reader = CheckCounters;
    else if (endsWith(".log"))
        reader = CheckLog;
    else
        return {false, "unknown kind of file (expected .qtw, .ini, .txt or .log)"};
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text) return {false, "cannot be read"};
    return reader(*text);
}

}  // namespace

void AddCheckCommand(CLI::App& app, CLI::App& /*bench*/) {
    auto* cmd =
        app.add_subcommand("check", "Read program files and say what each reader made of them");
    auto files = std::make_shared<std::vector<std::string>>();
    cmd->add_option("files", *files,
                    "position (.qtw), settings (.ini), counter (.txt) or log (.log) files")
        ->required();
    cmd->callback([files] {
        for (const std::string& path : *files) {
            Verdict v = Check(path);
            std::printf("%s: %s: %s\n", path.c_str(), v.ok ? "ok" : "refused", v.text.c_str());
            if (!v.ok) SetExitCode(1);
        }
    });
}

}  // namespace mizaro::cli
