// The velkor command's subcommands; each file registers its own.
#pragma once

namespace CLI {
class App;
}

namespace velkor::cli {

void RegisterStringsCommand(CLI::App& app);
void RegisterTraceInfoCommand(CLI::App& app);
void RegisterRunCommand(CLI::App& app);

}  // namespace velkor::cli
