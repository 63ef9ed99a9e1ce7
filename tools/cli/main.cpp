// mizaro-cli: the command-line companion for power users, tests and benchmarks.
#include <CLI/CLI.hpp>

#include "platform/version.h"
#include "tools/cli/commands.h"

int main(int argc, char** argv) {
    CLI::App app{"Mizaro command-line companion"};
    app.set_version_flag("--version", std::string("mizaro-cli ") + mizaro::ProgramVersion());
    app.require_subcommand(1);
    CLI::App* bench = app.add_subcommand("bench", "Deterministic benchmarks");
    bench->require_subcommand(1);
    mizaro::cli::RegisterCommands(app, *bench);
    CLI11_PARSE(app, argc, argv);
    return mizaro::cli::ExitCode();
}
