// velkor: the command-line front end of the trend control and its stand-ins.
#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "os/linux/SessionMemory.h"
#include "tools/cli/Commands.h"
#include "tools/cli/UnknownCommand.h"

namespace {

constexpr int kUsageError = 2;

// "velkor" or "velkor COMMAND", the start of every line the command prints
// about itself.
std::string Who(const std::string& command) {
  return command.empty() ? "velkor" : "velkor " + command;
}

// Output that did not reach its file (a full disk, a closed pipe) fails the
// command even when everything else went well.
int CheckStandardOutput(const std::string& command, int code) {
  errno = 0;
  std::cout.flush();
  if (std::cout.good()) return code;
  const int error = errno;
  std::cerr << Who(command) << ": cannot write standard output"
            << (error ? std::string(" (") + std::strerror(error) + ")" : std::string()) << "\n";
  return kUsageError;
}

int RunCommand(CLI::App& app, int argc, char** argv, const std::string& command) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return app.exit(e);  // --help, --version
  } catch (const CLI::RuntimeError& e) {
    return e.get_exit_code();  // the command printed its own line
  } catch (const CLI::ParseError& e) {
    std::cerr << Who(command) << ": " << e.what() << " (see " << Who(command) << " --help)\n";
    return kUsageError;
  } catch (const std::exception& e) {
    std::cerr << Who(command) << ": " << e.what() << "\n";
    return kUsageError;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  velkor::sim::KeepFreedMemory();
  CLI::App app{"velkor: a trend control for spreadsheet workbooks, run against stand-ins"};
  app.set_version_flag("--version", std::string("velkor ") + VELKOR_VERSION);
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
  if (auto unknown = velkor::cli::UnknownCommand(app, argc, argv)) {
    std::cerr << "velkor: " << *unknown << " (see velkor --help)\n";
    return kUsageError;
  }
  const std::string command = velkor::cli::CommandNamed(app, argc, argv);
  return CheckStandardOutput(command, RunCommand(app, argc, argv, command));
}
