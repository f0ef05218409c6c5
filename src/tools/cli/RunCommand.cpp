// velkor run SCENARIO.json... [--out DIR]: runs scripted sessions against the
// host stand-in; exit 0 when every expectation held, 1 when one failed, 2
// for a malformed scenario.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tools/cli/CliFiles.h"
#include "tools/cli/Commands.h"
#include "tools/scenario/ScenarioRunner.h"

namespace velkor::cli {

namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder: one that this call
// created, never one that was there already.
fs::path FreshFolder() {
  std::random_device seed;
  std::error_code ec;
  const fs::path temp = fs::temp_directory_path(ec);
  for (int attempt = 0; !ec && attempt < 100; ++attempt) {
    fs::path folder = temp / ("velkor-run-" + std::to_string(seed() % 100000000));
    if (fs::create_directory(folder, ec)) return folder;
  }
  Fail("run", "cannot create an output folder");
}

// Each line of the runner's complaints as one of this command's errors.
void PrintErrors(const std::string& errors) {
  std::istringstream lines(errors);
  for (std::string line; std::getline(lines, line);) std::cerr << "velkor run: " << line << "\n";
}

// A temporary folder nothing was written into is not worth keeping.
bool RemovedWhenEmpty(const fs::path& folder) {
  std::error_code ec;
  return fs::is_empty(folder, ec) && fs::remove(folder, ec);
}

void Run(const std::vector<std::string>& files, const std::string& out,
         const sim::scenario::RunOptions& options) {
  const fs::path folder = out.empty() ? FreshFolder() : OutputFolderAt("run", out);
  int worst = sim::scenario::kAllHeld;
  for (const auto& file : files) {
    std::ostringstream errors;
    worst =
        std::max(worst, sim::scenario::RunScenarioFile(file, folder, std::cout, errors, options));
    std::cout.flush();
    PrintErrors(errors.str());
  }
  if (!out.empty() || !RemovedWhenEmpty(folder))
    std::cout << "output folder: " << folder.string() << "\n";
  std::cout.flush();
  if (worst != sim::scenario::kAllHeld) throw CLI::RuntimeError(worst);
}

}  // namespace

void RegisterRunCommand(CLI::App& app) {
  auto* command = app.add_subcommand("run", "Run scenario files against the host stand-in");
  auto files = std::make_shared<std::vector<std::string>>();
  auto out = std::make_shared<std::string>();
  command->add_option("scenarios", *files, "Scenario files (JSON)")->required();
  command->add_option("--out", *out,
                      "Folder for the files the scenarios write (default: a fresh "
                      "temporary folder, named at the end, removed when nothing was written)");
  auto options = std::make_shared<sim::scenario::RunOptions>();
  command->add_flag("--by-name", options->byName,
                    "The control reaches the host and its components only by member name, "
                    "through its adapters, as it does across COM");
  command->add_flag("--com", options->com,
                    "The control comes from the registered velkor.dll and reaches everything "
                    "around it through COM (Windows build)");
  command->callback([files, out, options] { Run(*files, *out, *options); });
}

}  // namespace velkor::cli
