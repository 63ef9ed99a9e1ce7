// The subcommands of mizaro-cli; each family registers itself on the application.
#pragma once

#include <CLI/CLI.hpp>

namespace mizaro::cli {

// Registers every subcommand; `bench` is the "bench" subcommand that holds the benchmarks.
void RegisterCommands(CLI::App& app, CLI::App& bench);

void AddShantenCommands(CLI::App& app, CLI::App& bench);
void AddAnalyzeCommands(CLI::App& app, CLI::App& bench);
void AddScoreCommands(CLI::App& app, CLI::App& bench);
void AddCheckCommand(CLI::App& app, CLI::App& bench);
void AddReviewCommand(CLI::App& app, CLI::App& bench);
void AddDrillCommand(CLI::App& app, CLI::App& bench);
void AddDetailCommands(CLI::App& app, CLI::App& bench);
void AddPageCommands(CLI::App& app, CLI::App& bench);
void AddSimulateCommands(CLI::App& app, CLI::App& bench);
void AddStatCommands(CLI::App& app, CLI::App& bench);
void AddImportCommand(CLI::App& app, CLI::App& bench);

// The process exit code a command asks for (0 unless it set one).
int ExitCode();
void SetExitCode(int code);

}  // namespace mizaro::cli
