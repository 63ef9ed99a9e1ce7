// mizaro-cli import LOG [--player SEAT|NAME] --positions: the positions a player faced in an
// online game log (JSON or XML, gzip-compressed or not), one line each.
#include <cstdio>
#include <memory>
#include <string>

#include "core/hand_notation.h"
#include "online/read_online_log.h"
#include "online/table_position.h"
#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {

struct ImportOptions {
    std::string log;
    std::string player = "0";
    bool positions = false;
};

std::string PositionLine(const TablePosition& p) {
    TileCounts rest = p.tiles;
    --rest[p.drawn];
    std::string unseen;
    for (TileKind k = 0; k < kKinds; ++k) {
        if (k) unseen += ',';
        unseen += std::to_string(p.unseen[k]);
    }
    std::string dora;
    for (TileKind k : p.doraIndicators) dora += FormatTile(k);
    return "hand=" + std::to_string(p.hand) + " turn=" + std::to_string(p.turn) +
           " seat=" + std::to_string(p.seat) + " round=" + "ESWN"[p.roundWind - kEast] +
           " dealer=" + (p.dealer ? "1" : "0") + " tiles=" + FormatHand(rest) +
           FormatTile(p.drawn) + " unseen=" + unseen + " draws=" + std::to_string(p.drawsLeft) +
           " dora=" + dora;
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
    for (const TablePosition& p : ListPositions(read.game, *seat))
        std::printf("%s\n", PositionLine(p).c_str());
}

}  // namespace

void AddImportCommand(CLI::App& app, CLI::App&) {
    auto options = std::make_shared<ImportOptions>();
    auto* cmd = app.add_subcommand(
        "import", "The positions a player faced in an online game log (tenhou JSON or mjlog XML)");
    cmd->add_option("log", options->log, "the game log, gzip-compressed or not")->required();
    cmd->add_option("--player", options->player, "the player: a seat 0..3 or a name (seat 0)");
    cmd->add_flag("--positions", options->positions,
                  "one line per discard the player made with a closed hand, up to the riichi "
                  "(for now the command's only mode, so it is required)")
        ->required();
    cmd->callback([options] { Run(*options); });
}

}  // namespace mizaro::cli
