// velkor: the command-line front end of the trend control and its stand-ins.
#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <string>

#include "os/linux/SessionMemory.h"
#include "tools/cli/Commands.h"
#include "tools/cli/UnknownCommand.h"

int main(int argc, char** argv) {
  velkor::sim::KeepFreedMemory();
  CLI::App app{"velkor: a trend control for spreadsheet workbooks, run against stand-ins"};
  app.require_subcommand(1);
  // "/path" is a file on every system, never a Windows-style option; the
  // commands made below inherit this.
  app.allow_windows_style_options(false);
  velkor::cli::RegisterStringsCommand(app);
  velkor::cli::RegisterTraceInfoCommand(app);
  velkor::cli::RegisterRunCommand(app);
  velkor::cli::RegisterDemoCommand(app);
  velkor::cli::RegisterRenderCommand(app);
  velkor::cli::RegisterInspectCommand(app);
  velkor::cli::RegisterArchiveCommand(app);
  // Errors of the command line are one line, like the commands' own.
  app.failure_message([](const CLI::App*, const CLI::Error& e) {
    return "velkor: " + std::string(e.what()) + " (see --help)\n";
  });
  if (auto unknown = velkor::cli::UnknownCommand(app, argc, argv)) {
    std::cerr << "velkor: " << *unknown << " (see --help)\n";
    return 2;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  } catch (const std::exception& e) {
    std::cerr << "velkor: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
