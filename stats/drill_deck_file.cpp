// The drill file, one record a line, blank-separated tokens:
//   MizaroDrill 1             (2 when it holds a table problem, which only version 2 reads)
//   next <id>
//   harvested <games> <record text, or ->
//   day <day> <answers> <right> <games> <loss>
//   problem <id> <game> <mode> <turn> <hand> <drawn> <dora> <discards in order, or -> <outcome>
//   table <id> <turn> <hand> <drawn> <indicators in order> <round wind> <seat wind>
//         <dealer 0|1> <unseen, or -> <kyoku> <discard number> <source, %XX-escaped, or ->
//         <outcome>
// where <outcome> is
//   <made> <best, or -> <madeValue> <bestValue> <loss>
//   <repetitions> <easiness> <interval> <due> <answers> <wrong> <lastDay> <firstDay>
//   <discard:value:win:ready,...>
// Reals are written shortest-exact, so a file read back gives the same values and the same
// queue. A line that does not read whole is skipped and counted; the others stand alone. A
// program that reads only version 1 finds a version 2 file unreadable and keeps it untouched.
#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "core/hand_notation.h"
#include "platform/atomic_file.h"
#include "platform/read_file.h"
#include "platform/token_reader.h"
#include "stats/drill_deck.h"

namespace mizaro {

namespace {

constexpr std::string_view kHeader = "MizaroDrill 1";
constexpr std::string_view kTableHeader = "MizaroDrill 2";
constexpr int kHexBase = 16;

void AddReal(std::string& out, double v) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    out += ' ';
    out.append(text, end);
}

void AddInt(std::string& out, int v) {
    out += ' ';
    out += std::to_string(v);
}

void AddTiles(std::string& out, const std::vector<TileKind>& tiles) {
    out += ' ';
    if (tiles.empty()) out += '-';
    for (TileKind k : tiles) out += FormatTile(k);
}

// Bytes other than letters, digits and ._~ as %XX, so a name with blanks or any encoding is
// one token and reads back the same; "-" stands for none.
std::string EscapedSource(std::string_view text) {
    if (text.empty()) return "-";
    std::string out;
    for (const char c : text) {
        // ASCII alone, whatever the locale says of other bytes.
        const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                           (c >= 'a' && c <= 'z') || c == '.' || c == '_' || c == '~';
        const auto b = static_cast<unsigned char>(c);
        if (plain) {
            out += c;
        } else {
            constexpr char kDigits[] = "0123456789ABCDEF";
            out += '%';
            out += kDigits[b / kHexBase];
            out += kDigits[b % kHexBase];
        }
    }
    return out;
}

std::optional<std::string> UnescapedSource(std::string_view text) {
    if (text == "-") return std::string();
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        unsigned value = 0;
        const char* first = text.data() + i + 1;
        const char* last = text.data() + std::min(text.size(), i + 3);
        const auto [end, error] = std::from_chars(first, last, value, kHexBase);
        if (error != std::errc() || end != first + 2) return std::nullopt;
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

void AddOutcome(std::string& out, const DrillProblem& p) {
    out += ' ' + FormatTile(p.made);
    std::vector<TileKind> best;
    for (TileKind k = 0; k < kKinds; ++k)
        if (p.best[k]) best.push_back(k);
    AddTiles(out, best);
    for (double v : {p.madeValue, p.bestValue, p.loss}) AddReal(out, v);
    const DrillSchedule& s = p.schedule;
    AddInt(out, s.repetitions);
    AddReal(out, s.easiness);
    for (int v : {s.interval, s.due, s.answers, s.wrong, s.lastDay, s.firstDay}) AddInt(out, v);
    out += ' ';
    for (std::size_t i = 0; i < p.candidates.size(); ++i) {
        const DrillCandidate& c = p.candidates[i];
        if (i > 0) out += ',';
        out += FormatTile(c.discard);
        for (double v : {c.value, c.win, c.ready}) {
            out += ':';
            char text[32];
            out.append(text, std::to_chars(text, text + sizeof text, v).ptr);
        }
    }
}

std::string ProblemLine(const DrillProblem& p) {
    const DrillPosition& pos = p.position;
    std::string out;
    if (const std::optional<DrillTable>& table = pos.table) {
        out = "table";
        for (int v : {p.id, pos.turn}) AddInt(out, v);
        out += ' ' + FormatHand(pos.hand) + ' ' + FormatTile(pos.drawn);
        AddTiles(out, DoraIndicators(pos));
        out += ' ' + FormatTile(table->roundWind) + ' ' + FormatTile(table->seatWind);
        AddInt(out, table->dealer ? 1 : 0);
        const std::string unseen = FormatHand(table->unseen);
        out += ' ' + (unseen.empty() ? std::string("-") : unseen);
        for (int v : {table->kyoku, table->discardNumber}) AddInt(out, v);
        out += ' ' + EscapedSource(table->source);
    } else {
        out = "problem";
        for (int v : {p.id, p.game, pos.mode, pos.turn}) AddInt(out, v);
        out += ' ' + FormatHand(pos.hand) + ' ' + FormatTile(pos.drawn) + ' ' +
               FormatTile(pos.doraIndicator);
        AddTiles(out, pos.discards);
    }
    AddOutcome(out, p);
    return out + '\n';
}

// Reads the tokens of one line in turn; any failure sticks.
class LineReader {
  public:
    explicit LineReader(std::string_view line) : tokens_(line) {}
    bool ok() const { return ok_; }
    bool AtEnd() { return !tokens_.Peek().has_value(); }

    std::string_view Word() {
        std::optional<std::string_view> t = tokens_.Next();
        if (!t) ok_ = false;
        return t.value_or("");
    }
    int Int() {
        std::optional<int> v = ParseDecimalInt(Word());
        ok_ = ok_ && v.has_value();
        return v.value_or(0);
    }
    double Real() { return Check(ParseDecimalReal(Word())); }
    TileKind Tile() {
        const TileKind k = ParseTile(Word());
        ok_ = ok_ && IsValidKind(k);
        return k;
    }
    std::vector<TileKind> Tiles() {
        const std::string_view w = Word();
        if (w == "-") return {};
        ParsedTiles parsed = ParseTiles(w);
        ok_ = ok_ && parsed.ok() && !parsed.tiles.empty();
        return parsed.tiles;
    }
    double Check(std::optional<double> v) {
        ok_ = ok_ && v.has_value() && *v >= 0.0;
        return v.value_or(0.0);
    }

  private:
    TokenReader tokens_;
    bool ok_ = true;
};

bool ReadCandidates(std::string_view text, std::vector<DrillCandidate>& out) {
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        std::string_view parts[4];
        for (std::string_view& part : parts) {
            const std::size_t colon = item.find(':');
            part = item.substr(0, colon);
            item = colon == std::string_view::npos ? std::string_view() : item.substr(colon + 1);
        }
        DrillCandidate c;
        c.discard = ParseTile(parts[0]);
        std::optional<double> values[3] = {ParseDecimalReal(parts[1]), ParseDecimalReal(parts[2]),
                                           ParseDecimalReal(parts[3])};
        if (!IsValidKind(c.discard) || !item.empty()) return false;
        for (const auto& v : values)
            if (!v || *v < 0.0) return false;
        c.value = *values[0];
        c.win = *values[1];
        c.ready = *values[2];
        if (!out.empty() && out.back().discard >= c.discard) return false;
        out.push_back(c);
    }
    return !out.empty();
}

// The position of a "problem" line; false when a token is no count or tiles.
bool ReadSoloPosition(LineReader& in, DrillProblem& p) {
    DrillPosition& pos = p.position;
    p.game = in.Int();
    pos.mode = in.Int();
    pos.turn = in.Int();
    const ParsedTiles hand = ParseTiles(in.Word());
    pos.hand = hand.counts;
    pos.drawn = in.Tile();
    pos.doraIndicator = in.Tile();
    pos.discards = in.Tiles();
    return hand.ok() && p.game >= 0;
}

bool ReadTablePosition(LineReader& in, DrillProblem& p) {
    DrillPosition& pos = p.position;
    DrillTable& table = pos.table.emplace();
    pos.turn = in.Int();
    const ParsedTiles hand = ParseTiles(in.Word());
    pos.hand = hand.counts;
    pos.drawn = in.Tile();
    const std::vector<TileKind> indicators = in.Tiles();
    table.roundWind = in.Tile();
    table.seatWind = in.Tile();
    const int dealer = in.Int();
    table.dealer = dealer == 1;
    const std::string_view unseenText = in.Word();
    const ParsedTiles unseen = ParseTiles(unseenText == "-" ? "" : unseenText);
    table.unseen = unseen.counts;
    table.kyoku = in.Int();
    table.discardNumber = in.Int();
    const std::optional<std::string> source = UnescapedSource(in.Word());
    if (indicators.empty() || !source) return false;
    pos.doraIndicator = indicators.front();
    table.laterIndicators.assign(indicators.begin() + 1, indicators.end());
    table.source = *source;
    return hand.ok() && unseen.ok() && (dealer == 0 || dealer == 1) && table.kyoku >= 1 &&
           table.kyoku <= 4 && table.discardNumber >= 1 && table.discardNumber <= kMaxTurns;
}

std::optional<DrillProblem> ReadProblem(LineReader& in, bool table) {
    DrillProblem p;
    DrillPosition& pos = p.position;
    p.id = in.Int();
    const bool positionRead = table ? ReadTablePosition(in, p) : ReadSoloPosition(in, p);
    p.made = in.Tile();
    for (TileKind k : in.Tiles()) p.best[k] = true;
    p.madeValue = in.Real();
    p.bestValue = in.Real();
    p.loss = in.Real();
    DrillSchedule& s = p.schedule;
    s.repetitions = in.Int();
    s.easiness = in.Real();
    s.interval = in.Int();
    s.due = in.Int();
    s.answers = in.Int();
    s.wrong = in.Int();
    s.lastDay = in.Int();
    s.firstDay = in.Int();
    const bool candidatesRead = ReadCandidates(in.Word(), p.candidates);
    // The position must be one a search can take, its made and best discards valued, and the
    // schedule one that SM-2 can reach.
    KyokuState state;
    // The largest id would leave no next one.
    const bool sound = in.ok() && in.AtEnd() && positionRead && candidatesRead && p.id >= 0 &&
                       p.id < std::numeric_limits<int>::max() && BuildProblemState(pos, state) &&
                       pos.hand[p.made] > 0 && FindCandidate(p.candidates, p.made) != nullptr &&
                       s.repetitions >= 0 && s.easiness >= 1.3 && s.interval >= 0 &&
                       s.answers >= s.wrong && s.wrong >= 0;
    if (!sound) return std::nullopt;
    for (TileKind k = 0; k < kKinds; ++k)
        if (p.best[k] && FindCandidate(p.candidates, k) == nullptr) return std::nullopt;
    return p;
}

}  // namespace

std::string FormatDrillFile(const DrillDeck& deck) {
    // A deck without table problems stays readable by a program that knows only version 1.
    const bool tables = std::any_of(deck.problems.begin(), deck.problems.end(),
                                    [](const DrillProblem& p) { return p.position.table; });
    std::string out(tables ? kTableHeader : kHeader);
    out += "\nnext " + std::to_string(deck.nextId) + "\nharvested " +
           std::to_string(deck.harvestedGames) + ' ' +
           (deck.lastHarvested.empty() ? "-" : deck.lastHarvested) + '\n';
    for (const DrillDayTally& t : deck.days) {
        out += "day";
        for (int v : {t.day, t.answers, t.right, t.games}) AddInt(out, v);
        AddReal(out, t.loss);
        out += '\n';
    }
    for (const DrillProblem& p : deck.problems) out += ProblemLine(p);
    return out;
}

DrillLoadReport ParseDrillFile(std::string_view text, DrillDeck& deck) {
    DrillLoadReport report;
    deck.problems.clear();
    deck.days.clear();
    deck.nextId = 0;
    deck.harvestedGames = 0;
    deck.lastHarvested.clear();
    const std::size_t firstEnd = text.find('\n');
    std::string_view header = text.substr(0, firstEnd);
    if (!header.empty() && header.back() == '\r') header.remove_suffix(1);
    // Not our file, or a later version of it: nothing in it is understood, so none of it may
    // be replaced.
    if (header != kHeader && header != kTableHeader) {
        report.unreadable = true;
        return report;
    }
    const bool tables = header == kTableHeader;
    text = firstEnd == std::string_view::npos ? std::string_view() : text.substr(firstEnd + 1);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        LineReader in(line);
        if (in.AtEnd()) continue;
        const std::string_view kind = in.Word();
        bool ok = false;
        if (kind == "next") {
            const int id = in.Int();
            ok = in.ok() && in.AtEnd() && id >= 0;
            if (ok) deck.nextId = std::max(deck.nextId, id);
        } else if (kind == "harvested") {
            const int games = in.Int();
            const std::string_view mark = in.Word();
            ok = in.ok() && in.AtEnd() && games >= 0 && (games == 0) == (mark == "-");
            if (ok) {
                deck.harvestedGames = games;
                deck.lastHarvested = games > 0 ? std::string(mark) : std::string();
            }
        } else if (kind == "day") {
            DrillDayTally t;
            t.day = in.Int();
            t.answers = in.Int();
            t.right = in.Int();
            t.games = in.Int();
            t.loss = in.Real();
            ok = in.ok() && in.AtEnd() && t.answers >= t.right && t.right >= 0 && t.games >= 0 &&
                 (deck.days.empty() || deck.days.back().day < t.day);
            if (ok) deck.days.push_back(t);
        } else if (kind == "problem" || (tables && kind == "table")) {
            std::optional<DrillProblem> p = ReadProblem(in, kind == "table");
            ok = p && (deck.problems.empty() || deck.problems.back().id < p->id);
            if (ok) {
                deck.nextId = std::max(deck.nextId, p->id + 1);
                deck.problems.push_back(std::move(*p));
            }
        }
        if (!ok) ++report.damagedLines;
    }
    return report;
}

DrillLoadReport DrillDeck::Load(const std::string& newName, const std::string& directory) {
    *this = DrillDeck();
    name = newName;
    const std::string file = DrillFileName(name);
    if (file.empty()) return {};
    const FileContents contents = ReadFileContents(directory + file);
    DrillLoadReport report;
    if (contents.status == ReadStatus::kRead) report = ParseDrillFile(contents.data, *this);
    if (contents.status == ReadStatus::kUnreadable || report.unreadable) {
        report.unreadable = true;
        unreadableFile = directory + file;
    }
    return report;
}

bool DrillDeck::Save(const std::string& directory) const {
    const std::string file = DrillFileName(name);
    if (file.empty()) return false;
    if (unreadableFile == directory + file) return true;
    return WriteFileAtomically(directory + file, FormatDrillFile(*this));
}

}  // namespace mizaro
