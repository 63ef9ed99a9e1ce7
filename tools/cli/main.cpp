// mizaro-cli: the command-line companion for power users, tests and benchmarks.
#include <CLI/CLI.hpp>

#include "tools/cli/commands.h"

int main(int argc, char** argv) {
    CLI::App app{"Mizaro command-line companion"};
    app.require_subcommand(1);
    CLI::App* bench = app.add_subcommand("bench", "Deterministic benchmarks");
    bench->require_subcommand(1);
    mizaro::cli::RegisterCommands(app, *bench);
    CLI11_PARSE(app, argc, argv);
    return mizaro::cli::ExitCode();
}
