#include "tools/cli/commands.h"

namespace mizaro::cli {

namespace {
int exitCode = 0;
}

void RegisterCommands(CLI::App& app, CLI::App& bench) {
    AddShantenCommands(app, bench);
    AddAnalyzeCommands(app, bench);
    AddScoreCommands(app, bench);
    AddCheckCommand(app, bench);
    AddReviewCommand(app, bench);
    AddDrillCommand(app, bench);
    AddDetailCommands(app, bench);
    AddPageCommands(app, bench);
    AddSimulateCommands(app, bench);
    AddStatCommands(app, bench);
    AddImportCommand(app, bench);
}

int ExitCode() {
    return exitCode;
}
void SetExitCode(int code) {
    exitCode = code;
}

}  // namespace mizaro::cli
