#include "online/read_online_log.h"

#include "online/gzip_text.h"
#include "online/mjlog.h"
#include "online/tenhou_json.h"
#include "platform/read_file.h"

namespace mizaro {

namespace {

OnlineRead ReadText(std::string_view text) {
    if (text.size() > kMaxLogBytes) return {{}, "the log is larger than 16 MiB"};
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a UTF-8 byte order mark
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start != std::string_view::npos && text[start] == '<') return ReadMjlog(text);
    if (start != std::string_view::npos && text[start] == '{') return ReadTenhouJson(text);
    return {{}, "neither a JSON nor an XML game log"};
}

}  // namespace

OnlineRead ReadOnlineLog(std::string_view data) {
    if (!IsGzip(data)) return ReadText(data);
    std::string text;
    if (std::string error = Gunzip(data, text); !error.empty()) return {{}, error};
    if (IsGzip(text)) return {{}, "a compressed log inside a compressed log"};
    return ReadText(text);
}

OnlineRead ReadOnlineLogFile(const std::string& path) {
    const FileContents file = ReadFileContents(path);
    if (file.status != ReadStatus::kRead)
        return {
            {},
            path + (file.status == ReadStatus::kMissing ? ": no such file" : ": cannot be read")};
    OnlineRead read = ReadOnlineLog(file.data);
    if (!read.ok()) read.error = path + ": " + read.error;
    return read;
}

}  // namespace mizaro
