#include "online/gzip_text.h"

#include <zlib.h>

namespace mizaro {

bool IsGzip(std::string_view data) {
    return data.size() >= 2 && static_cast<unsigned char>(data[0]) == 0x1f &&
           static_cast<unsigned char>(data[1]) == 0x8b;
}

std::string Gunzip(std::string_view data, std::string& out) {
    out.clear();
    if (data.size() > kMaxLogBytes) return "the compressed log is larger than 16 MiB";
    z_stream z{};
    // 16 + MAX_WBITS: the gzip wrapper, not the bare zlib one.
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) return "the decompressor could not start";
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    char buffer[64 * 1024];
    int status = Z_OK;
    std::string error;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) break;
        out.append(buffer, sizeof buffer - z.avail_out);
        if (out.size() > kMaxLogBytes) {
            error = "the log inflates past 16 MiB";
            break;
        }
        if (status == Z_OK && z.avail_in == 0 && z.avail_out != 0) break;  // cut short
    }
    inflateEnd(&z);
    if (error.empty() && status != Z_STREAM_END)
        error = "the compressed log is broken or cut short";
    if (!error.empty()) out.clear();
    return error;
}

}  // namespace mizaro
