// The velkor command's subcommands; each file registers its own.
#pragma once

namespace CLI {
class App;
}

namespace velkor::cli {

void RegisterStringsCommand(CLI::App& app);
void RegisterTraceInfoCommand(CLI::App& app);
void RegisterRunCommand(CLI::App& app);
void RegisterDemoCommand(CLI::App& app);
void RegisterRenderCommand(CLI::App& app);
void RegisterInspectCommand(CLI::App& app);
void RegisterArchiveCommand(CLI::App& app);

}  // namespace velkor::cli
