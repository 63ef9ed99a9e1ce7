#include "stats/game_log.h"

#include <optional>

#include "platform/token_reader.h"

namespace mizaro {

std::string FormatGameLog(std::vector<GameRecord>& records) {
    std::string out = std::to_string(records.size()) + "\n";
    out.reserve(out.size() + records.size() * (kRecordTextLength + 1));
    for (GameRecord& r : records) {
        r.Encode();
        out += r.Text();
        out += '\n';
    }
    return out;
}

GameLogReport ParseGameLog(std::string_view text, std::vector<GameRecord>& records) {
    GameLogReport report;
    records.clear();
    TokenReader in(text);
    std::optional<int> count = in.NextInt();
    if (!count) {
        report.countMissing = true;
        return report;
    }
    report.declared = *count;
    // No room is reserved from the count: it comes from the file and may be anything.
    for (int i = 0; i < *count; ++i) {
        std::optional<std::string_view> token = in.Next();
        if (!token) break;
        GameRecord r;
        if (!r.SetText(*token)) {
            ++report.tooLong;
            continue;
        }
        records.push_back(r);
    }
    return report;
}

}  // namespace mizaro
