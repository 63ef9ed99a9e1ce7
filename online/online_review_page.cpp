#include "online/online_review_page.h"

#include <cstdint>

#include "analysis/page_text.h"
#include "platform/text_encoding.h"
#include "platform/version.h"
#include "stats/in_language.h"
#include "stats/review_page.h"

namespace mizaro {

namespace {

constexpr const char* kWinds[] = {"東", "南", "西", "北"};
constexpr const char* kEnglishWinds[] = {"East", "South", "West", "North"};

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// One code point from `s` at `i`, moving past it; U+FFFD for a byte that starts none.
char32_t NextCodePoint(const std::string& s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    const int more = b >= 0xF0 && b < 0xF5   ? 3
                     : b >= 0xE0 && b < 0xF0 ? 2
                     : b >= 0xC2 && b < 0xE0 ? 1
                                             : 0;
    if (b < 0x80) return b;
    if (more == 0) return 0xFFFD;
    char32_t c = b & (0x3F >> more);
    for (int k = 0; k < more; ++k, ++i) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    }
    const bool overlong = (more == 2 && c < 0x800) || (more == 3 && c < 0x10000);
    return overlong || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000) ? 0xFFFD : c;
}

// A player's name as page text: markup characters and, on the Japanese page, whatever code
// page 932 lacks become references, so no name can break the page or stop it being written.
std::string NameHtml(const std::string& name, Language language) {
    if (name.empty()) return "-";
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        const char32_t c = NextCodePoint(name, i);
        std::string utf8;
        AppendUtf8(c, utf8);
        const bool shown = c >= 0x20 && c != '<' && c != '>' && c != '&' && c != '"' &&
                           (language == Language::kEnglish || Utf8ToCp932(utf8));
        if (shown)
            out += utf8;
        else
            AppendF(out, "&#%u;", static_cast<unsigned>(c < 0x20 ? 0xFFFD : c));
    }
    return out;
}

std::string NameOf(const OnlineGame& game, int seat, Language language) {
    if (seat < 0 || seat >= kSeats) return "-";
    return NameHtml(game.names[seat], language);
}

std::string ResultText(const OnlineGame& game, const OnlineHand& hand, Language l) {
    std::string out;
    switch (hand.end) {
        case HandEnd::kWin:
            for (const HandWin& w : hand.wins) {
                if (!out.empty()) out += InLanguage(l, "　", "; ");
                const std::string winner = NameOf(game, w.winner, l);
                if (w.from == w.winner)
                    AppendF(out,
                            InLanguage(l, "%s のツモ和了 %d 点", "%s wins by self-draw, %d points"),
                            winner.c_str(), w.points);
                else
                    AppendF(out,
                            InLanguage(l, "%s が %s から和了 %d 点",
                                       "%s wins on %s's discard, %d points"),
                            winner.c_str(), NameOf(game, w.from, l).c_str(), w.points);
            }
            return out;
        case HandEnd::kExhaustiveDraw:
            return InLanguage(l, "流局", "Exhaustive draw");
        case HandEnd::kNagashiMangan:
            return InLanguage(l, "流し満貫", "Nagashi mangan");
        case HandEnd::kNineTerminals:
            return InLanguage(l, "途中流局（九種九牌）", "Abortive draw (nine terminals)");
        case HandEnd::kFourWinds:
            return InLanguage(l, "途中流局（四風連打）", "Abortive draw (four winds)");
        case HandEnd::kFourRiichi:
            return InLanguage(l, "途中流局（四家立直）", "Abortive draw (four riichi)");
        case HandEnd::kFourKans:
            return InLanguage(l, "途中流局（四槓散了）", "Abortive draw (four kans)");
        case HandEnd::kTripleRon:
            return InLanguage(l, "途中流局（三家和了）", "Abortive draw (triple ron)");
        case HandEnd::kUnknown:
            break;
    }
    return InLanguage(l, "結果は記録にありません", "The log does not give the result");
}

void AppendPlayers(const OnlineGame& game, const OnlineHand& hand, int chosen, Language l,
                   std::string& out) {
    out += "<P>";
    for (int i = 0; i < kSeats; ++i) {
        const int seat = (hand.dealer + i) % kSeats;  // from the dealer, East
        if (i) out += InLanguage(l, "　", ", ");
        AppendF(out, "%s ", InLanguage(l, kWinds[i], kEnglishWinds[i]));
        const std::string name = NameOf(game, seat, l);
        out += seat == chosen ? "<B>" + name + InLanguage(l, "（検討）", " (reviewed)") + "</B>"
                              : name;
    }
    out += "</P>\n";
}

std::string TurnPlaceText(const OnlineGame& game, const OnlineReview& review, const TurnPlace& p,
                          Language l) {
    const OnlineHandReview& hand = review.hands[p.hand];
    const TurnReview& t = hand.turns[p.turn];
    std::string out = HandTitle(game.hands[p.hand], l);
    AppendF(out, InLanguage(l, " %d 巡目 損失 %.2f 点", ", turn %d: loss %.2f points"), t.turn,
            t.loss);
    return out;
}

}  // namespace

std::string HandTitle(const OnlineHand& hand, Language language) {
    const int wind = (hand.round / kSeats) % kSeats;
    std::string out;
    AppendF(out, InLanguage(language, "%s%d局 %d本場", "%s %d, %d honba"),
            InLanguage(language, kWinds[wind], kEnglishWinds[wind]), hand.round % kSeats + 1,
            hand.honba);
    return out;
}

std::string OnlineReviewPage(const OnlineGame& game, const OnlineReview& review, Language l) {
    const auto in = [l](const char* japanese, const char* english) {
        return InLanguage(l, japanese, english);
    };
    std::string out =
        in("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
           "<title>牌譜の検討 Mizaro</title></head>\n<body>\n",
           "<html><head><meta charset=\"utf-8\"><title>Online game review Mizaro</title></head>\n"
           "<body>\n");
    out += "Mizaro ver.";
    out += ProgramVersion();
    out += in("<BR>\n牌譜の検討<BR>\n<HR>\n", "<BR>\nOnline game review<BR>\n<HR>\n");
    out += in("<P>プレイヤー：<B>", "<P>Player: <B>") + NameOf(game, review.seat, l) + "</B></P>\n";
    AppendF(out,
            in("<P>損失の合計 <B>%.2f</B> 点（期待値で評価した巡の和）</P>\n",
               "<P>Total loss <B>%.2f</B> points (the sum over the turns rated by value)</P>\n"),
            review.totalLoss);
    if (!review.largest.empty()) {
        out += in("<P>損失の大きい打牌：</P>\n<OL>\n", "<P>The largest losses:</P>\n<OL>\n");
        for (const TurnPlace& p : review.largest)
            out += "<LI>" + TurnPlaceText(game, review, p, l) + "</LI>\n";
        out += "</OL>\n";
    }
    if (!review.complete)
        out += in("<P>検討を中止したため、途中までの結果です。</P>\n",
                  "<P>The review was stopped: the later positions are not rated.</P>\n");
    out += in(
        "<P>値はこのプレイヤー自身の手の値で、ツモだけで和了るものとし、ほかのプレイヤーは"
        "すべて無視しています。評価するのは手作り（何を残すか、いつ形を崩すか）で、守備や"
        "鳴きは評価しません。赤五は普通の五として数えます。</P>\n"
        "<P>期待値はリーチを仮定した次のツモ時点の点数、有効牌は向聴数を進める残り枚数です。"
        "各局で損失の大きい巡に色を付けています。</P>\n",
        "<P>The values are the player's own-hand values, winning by self-draw only, with every "
        "other player ignored. They rate hand building (what to keep, when to give up shape), "
        "not defence or calls. A red five counts as an ordinary five.</P>\n"
        "<P>Value is the expected score at the next draw, assuming riichi; tiles are the tiles "
        "left that lower the shanten. In each hand the turns that lose most are coloured.</P>\n");
    for (std::size_t h = 0; h < game.hands.size() && h < review.hands.size(); ++h) {
        const OnlineHand& hand = game.hands[h];
        const OnlineHandReview& rated = review.hands[h];
        out += "<HR>\n<H3>" + HandTitle(hand, l) + "</H3>\n";
        AppendPlayers(game, hand, review.seat, l, out);
        out += in("<P>結果：", "<P>Result: ") + ResultText(game, hand, l) + "</P>\n";
        if (rated.turns.empty()) {
            out += in("<P>評価できる打牌はありません。</P>\n", "<P>No discard to rate.</P>\n");
            continue;
        }
        AppendF(out, in("<P>この局の損失 %.2f 点</P>\n", "<P>Loss in this hand: %.2f points</P>\n"),
                rated.totalLoss);
        out += ReviewTableHead(l);
        for (const TurnReview& t : rated.turns) AppendReviewRow(t, l, out);
        out += "</TABLE>\n";
    }
    out += "<HR>\n";
    out += kPageTail;
    return out;
}

}  // namespace mizaro
