// Broken and hostile logs of both forms: each is refused whole, with what is wrong and where.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "online/gzip_text.h"
#include "online/online_game.h"
#include "online/read_online_log.h"
#include "platform/read_file.h"

namespace mizaro {
namespace {

std::string Data(const char* file) {
    return ReadWholeFile(std::string(MIZARO_TEST_SOURCE_DIR) + "/online/data/" + file).value_or("");
}

// The good log with its first `from` replaced by `to`; an empty `from` stands for the whole log.
std::string Broken(const std::string& good, const std::string& from, const std::string& to) {
    if (from.empty()) return to;
    const std::size_t at = good.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? good : good.substr(0, at) + to + good.substr(at + from.size());
}

struct Case {
    const char* from;
    const char* to;
    const char* message;
};

void ExpectRefused(const std::string& good, const Case& c) {
    const OnlineRead read = ReadOnlineLog(Broken(good, c.from, c.to));
    EXPECT_FALSE(read.ok()) << c.to;
    EXPECT_NE(read.error.find(c.message), std::string::npos) << read.error;
    EXPECT_TRUE(read.game.hands.empty()) << c.to;
}

TEST(MalformedLogTest, JsonLogsAreRefusedWithTheirFault) {
    const std::string good = Data("game.json");
    ASSERT_TRUE(ReadOnlineLog(good).ok());
    const Case cases[] = {
        {"", "{\"log\": [", "not JSON"},
        {"", "{\"name\": [\"a\"]}", "no \"log\" list of hands"},
        {"\"C\",", "", "\"name\" is not a list of four names"},
        {"[0,0,0]", "[16,0,0]", "hand 1: the round, counters"},
        {"[19,28]", "[19]", "hand 1, seat 2, discard 2: a kan with no indicator listed"},
        {"[33,25,26]", "[33]", "hand 3, seat 1, discard 2: a kan with no indicator listed"},
        {"[19,28]", "[19,28,11]", "hand 1, dora indicators: more listed than the kans"},
        {"[11,12,13,24,25,26,37,38,39,41,41,42,43]", "[11,12,13,24,25,26,37,38,39,41,41,42]",
         "hand 1, seat 0: the deal is not 13 tiles"},
        {"[22,43,27,29]", "[22,43,27,20]", "hand 1, seat 0, draw 4: not a tile"},
        {"\"r22\"", "\"r21\"",
         "hand 1, seat 0, discard 4: a discard of a tile not in the hand: 1p"},
        {"[43,60,42,", "[43,60,\"r42\",", "hand 1, seat 0, discard 4: a second riichi"},
        {"[24,46,35]", "[43,46,35]", "hand 1, seat 0, draw 2: a fifth 3z"},
        {"[31,\"454545a45\"", "[60,\"454545a45\"", "seat 2, discard 1: the drawn tile discarded"},
        {"\"44p4444\"", "\"p444444\"", "hand 1: no order of play fits the calls and discards"},
        {"\"c245226\"", "\"24c5226\"", "hand 2, seat 0, draw 3: not a call"},
        {"\"c245226\"", "\"c243132\"", "hand 2, seat 0, draw 3: a chi that is not a run"},
        {"[47,60,44,60]", "[47,60,44,60,60]", "hand 2, seat 1: the discards do not answer"},
        {"[0,60,60]", "[46,60,60]",
         "hand 3, seat 1, discard 1: a called kan must be answered by 0"},
        {"\"4444p44\"", "\"44p4444\"", "hand 3: no order of play fits"},
    };
    for (const Case& c : cases) ExpectRefused(good, c);
    // Hostile sizes: a name no page should repeat, more hands than a game holds, a discard
    // nested deeper than any copy of it could recurse.
    const std::string longName = "\"" + std::string(kMaxNameBytes + 1, 'x') + "\",";
    std::string manyHands = "\"log\": [";
    for (std::size_t i = 0; i <= kMaxHands; ++i) manyHands += "0,";
    const std::string deep = "[" + std::string(200000, '[') + std::string(200000, ']') + ",60,42,";
    const Case hostile[] = {
        {"\"B\",", longName.c_str(), "a player's name is longer than 64 bytes"},
        {"\"log\": [", manyHands.c_str(), "more hands than a game holds"},
        {"[43,60,42,", deep.c_str(), "hand 1, seat 0, discard 1: not a tile"},
    };
    for (const Case& c : hostile) ExpectRefused(good, c);
}

TEST(MalformedLogTest, XmlLogsAreRefusedWithTheirFault) {
    const std::string good = Data("game.mjlog");
    ASSERT_TRUE(ReadOnlineLog(good).ok());
    const Case cases[] = {
        {"", "<mjloggm><INIT", "not XML"},
        {"", "<log/>", "the root is not <mjloggm>"},
        {"", "<mjloggm ver=\"2.3\"/>", "no hand"},
        {"", "<mjloggm><T4/></mjloggm>", "element 1 <T4>: a move outside a hand"},
        {"oya=\"0\" hai0=\"0,", "oya=\"0\" hai0=\"",
         "hand 1, element 5 <INIT>: hai0 is not 13 tiles"},
        {"seed=\"0,0,0,2,3,33\"", "seed=\"0,0,0,2,3\"", "hand 1, element 5 <INIT>: seed or oya"},
        {"<T42/>", "<U42/>", "hand 1, element 6 <U42>: a draw out of turn"},
        {"<D116/>", "<D136/>", "hand 1, element 7 <D136>: not a tile"},
        {"<D116/>", "<D20/>", "element 7 <D20>: a discard of a tile not in the hand: 6m"},
        {"m=\"46186\"", "m=\"46187\"", "element 10 <N>: a call from a seat that did not discard"},
        {"m=\"46186\"", "m=\"32\"", "a north set aside"},
        {"m=\"46186\"", "m=\"70000\"", "who or m is missing or out of range"},
        {"<T42/>", "<DORA hai=\"0\"/>", "element 6 <DORA>: a dora indicator no kan turned over"},
        {"fromWho=\"2\" sc=\"250,10,250,0,250,-10,250,0\"/>",
         "fromWho=\"2\" sc=\"250,10,250,0,250,-10,250,0\"/><U25/>",
         "hand 1, element 38 <U25>: a move outside a hand"},
    };
    for (const Case& c : cases) ExpectRefused(good, c);
    std::string longName = "n1=\"";
    for (std::size_t i = 0; i <= kMaxNameBytes; ++i) longName += "%41";
    ExpectRefused(good, {"n1=\"B", longName.c_str(), "a player's name is longer than 64 bytes"});
}

std::string Gzip(const std::string& data) {
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out(deflateBound(&z, data.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

TEST(MalformedLogTest, CompressedLogsAreCheckedAndCapped) {
    const std::string packed = Data("game.mjlog.gz");
    ASSERT_TRUE(ReadOnlineLog(packed).ok());
    const Case cases[] = {
        {"", "", "neither a JSON nor an XML game log"},
        {"", "  plain text", "neither a JSON nor an XML game log"},
    };
    for (const Case& c : cases) ExpectRefused(packed, c);
    const struct {
        std::string data;
        const char* message;
    } compressed[] = {
        {packed.substr(0, packed.size() / 2), "broken or cut short"},
        {Gzip(std::string(kMaxLogBytes + 1, ' ')), "inflates past 16 MiB"},
        {Gzip(packed), "a compressed log inside a compressed log"},
    };
    for (const auto& c : compressed) {
        const OnlineRead read = ReadOnlineLog(c.data);
        EXPECT_NE(read.error.find(c.message), std::string::npos) << read.error;
    }
}

}  // namespace
}  // namespace mizaro
