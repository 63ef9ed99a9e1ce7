// mizaro-cli import LOG [--player SEAT|NAME] [--positions] [--json] [--page FILE [--lang ja|en]]:
// the review of a player's side of an online game log (JSON or XML, gzip-compressed or not),
// one line per rated position, or the positions themselves, and the review page.
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "app/page_output.h"
#include "core/hand_notation.h"
#include "online/online_review.h"
#include "online/online_review_page.h"
#include "online/read_online_log.h"
#include "online/table_position.h"
#include "stats/game_review.h"
#include "stats/review_turns.h"
#include "tools/cli/cli_input.h"
#include "tools/cli/commands.h"
#include "tools/cli/review_json.h"

namespace mizaro::cli {

namespace {

struct ImportOptions {
    std::string log;
    std::string player = "0";
    bool positions = false;
    bool json = false;
    std::string page;
    Language language = Language::kJapanese;
};

char WindLetter(TileKind wind) {
    return IsWind(wind) ? "ESWN"[wind - kEast] : '?';
}

std::string HandWithoutDraw(const TablePosition& p) {
    TileCounts rest = p.tiles;
    --rest[p.drawn];
    return FormatHand(rest);
}

std::string PositionLine(const TablePosition& p) {
    std::string unseen;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (k) unseen += ',';
        unseen += std::to_string(p.unseen[k]);
    }
    std::string dora;
    for (TileKind k : p.doraIndicators) dora += FormatTile(k);
    return "hand=" + std::to_string(p.hand) + " turn=" + std::to_string(p.turn) +
           " seat=" + std::to_string(p.seat) + " round=" + WindLetter(p.roundWind) +
           " dealer=" + (p.dealer ? "1" : "0") + " tiles=" + HandWithoutDraw(p) +
           FormatTile(p.drawn) + " unseen=" + unseen + " draws=" + std::to_string(p.drawsLeft) +
           " dora=" + dora;
}

nlohmann::json PositionJson(const TablePosition& p) {
    nlohmann::json dora = nlohmann::json::array();
    for (TileKind k : p.doraIndicators) dora.push_back(FormatTile(k));
    return {{"hand", p.hand},
            {"turn", p.turn},
            {"seat", p.seat},
            {"roundWind", std::string(1, WindLetter(p.roundWind))},
            {"seatWind", std::string(1, WindLetter(p.seatWind))},
            {"dealer", p.dealer},
            {"tiles", HandWithoutDraw(p)},
            {"draw", FormatTile(p.drawn)},
            {"unseen", p.unseen},
            {"drawsLeft", p.drawsLeft},
            {"dora", dora},
            {"discard", FormatTile(p.discarded)},
            {"riichi", p.riichi}};
}

const char* EndName(HandEnd end) {
    switch (end) {
        case HandEnd::kWin:
            return "win";
        case HandEnd::kExhaustiveDraw:
            return "exhaustive draw";
        case HandEnd::kNagashiMangan:
            return "nagashi mangan";
        case HandEnd::kNineTerminals:
            return "nine terminals";
        case HandEnd::kFourWinds:
            return "four winds";
        case HandEnd::kFourRiichi:
            return "four riichi";
        case HandEnd::kFourKans:
            return "four kans";
        case HandEnd::kTripleRon:
            return "triple ron";
        case HandEnd::kUnknown:
            break;
    }
    return "unknown";
}

nlohmann::json ReviewJson(const OnlineGame& game, const OnlineReview& review) {
    nlohmann::json hands = nlohmann::json::array();
    for (std::size_t h = 0; h < review.hands.size() && h < game.hands.size(); ++h) {
        const OnlineHand& hand = game.hands[h];
        nlohmann::json wins = nlohmann::json::array();
        for (const HandWin& w : hand.wins)
            wins.push_back({{"winner", w.winner},
                            {"from", w.from},
                            {"selfDrawn", w.from == w.winner},
                            {"points", w.points}});
        nlohmann::json turns = nlohmann::json::array();
        for (const TurnReview& t : review.hands[h].turns) turns.push_back(TurnJson(t));
        hands.push_back(
            {{"hand", review.hands[h].hand},
             {"title", HandTitle(hand, Language::kEnglish)},
             {"dealer", hand.dealer},
             {"result",
              {{"end", EndName(hand.end)}, {"abortive", IsAbortiveDraw(hand.end)}, {"wins", wins}}},
             {"turns", turns},
             {"totalLoss", review.hands[h].totalLoss}});
    }
    nlohmann::json largest = nlohmann::json::array();
    for (const TurnPlace& p : review.largest) {
        const OnlineHandReview& hand = review.hands[p.hand];
        largest.push_back({{"hand", hand.hand},
                           {"turn", hand.turns[p.turn].turn},
                           {"loss", hand.turns[p.turn].loss}});
    }
    return {{"players", game.names},
            {"seat", review.seat},
            {"hands", hands},
            {"largest", largest},
            {"totalLoss", review.totalLoss}};
}

// Names come from the log as they are; a byte that is not UTF-8 is printed replaced.
void PrintJson(const nlohmann::json& j) {
    std::printf("%s\n", j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
}

void Run(const ImportOptions& o) {
    const OnlineRead read = ReadOnlineLogFile(o.log);
    if (!read.ok()) {
        std::fprintf(stderr, "error: %s\n", read.error.c_str());
        SetExitCode(1);
        return;
    }
    const std::optional<int> seat = FindPlayerSeat(read.game, o.player);
    if (!seat) {
        std::fprintf(stderr, "error: no seat 0..3 and no player named %s in %s\n", o.player.c_str(),
                     o.log.c_str());
        SetExitCode(1);
        return;
    }
    if (o.positions) {
        nlohmann::json all = nlohmann::json::array();
        for (const TablePosition& p : ListPositions(read.game, *seat)) {
            if (o.json)
                all.push_back(PositionJson(p));
            else
                std::printf("%s\n", PositionLine(p).c_str());
        }
        if (o.json) PrintJson(all);
        return;
    }
    WarnWithoutTable();
    const OnlineReview review = ReviewOnlineGame(read.game, *seat, {}, ReviewJobs());
    if (!o.page.empty() &&
        !WritePage(o.page, OnlineReviewPage(read.game, review, o.language), o.language)) {
        std::fprintf(stderr, "error: %s cannot be written\n", o.page.c_str());
        SetExitCode(1);
    }
    if (o.json) {
        PrintJson(ReviewJson(read.game, review));
        return;
    }
    for (const OnlineHandReview& hand : review.hands)
        for (const TurnReview& t : hand.turns)
            std::printf("hand=%d %s\n", hand.hand, ReviewLine(t).c_str());
    std::printf("total loss=%.2f\n", review.totalLoss);
}

}  // namespace

void AddImportCommand(CLI::App& app, CLI::App&) {
    auto options = std::make_shared<ImportOptions>();
    auto* cmd = app.add_subcommand(
        "import",
        "What each discard of a player in an online game log cost (tenhou JSON or mjlog XML): "
        "the player's own hand by self-draw only, every other player ignored");
    cmd->add_option("log", options->log, "the game log, gzip-compressed or not")->required();
    cmd->add_option("--player", options->player, "the player: a seat 0..3 or a name (seat 0)");
    cmd->add_flag("--positions", options->positions,
                  "instead of the review, one line per discard the player made with a closed "
                  "hand, up to the riichi");
    cmd->add_flag("--json", options->json, "one JSON value instead of lines");
    cmd->add_option("--page", options->page,
                    "also write the review page to this file (code page 932 in Japanese, UTF-8 "
                    "in English)")
        ->excludes("--positions");
    AddLanguageOption(*cmd, options->language);
    cmd->callback([options] { Run(*options); });
}

}  // namespace mizaro::cli
