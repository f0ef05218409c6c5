// velkor demo [--out DIR]: the wizard add-in and a user at work on a sample
// workbook, narrated step by step, with an HTML report of what happened.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "standins/host/FileFormatError.h"
#include "tools/cli/CliFiles.h"
#include "tools/cli/Commands.h"
#include "tools/demo/DemoReport.h"
#include "tools/demo/DemoRun.h"
#include "tools/demo/DemoScript.h"

namespace velkor::cli {

namespace {

namespace fs = std::filesystem;

void ListFiles(const fs::path& folder, const sim::demo::DemoResult& result) {
  std::cout << "\nFiles in " << fs::absolute(folder).lexically_normal().string() << ":\n"
            << "  " << sim::demo::kReportFile << "          the steps with the chart after each\n"
            << "  " << sim::demo::kSavedBook << "           the workbook saved with the trend\n"
            << "  " << sim::demo::kDeletedBook << "   the workbook after the trend was deleted\n";
  for (const auto& step : result.steps)
    if (!step.svgFile.empty()) std::cout << "  " << step.svgFile << "\n";
  std::cout << "  " << sim::demo::kDemoScenarioFile << "   the demo as a scenario (velkor run)\n";
}

void RunDemoCommand(const std::string& out) {
  const fs::path folder = OutputFolderAt("demo", out);
  std::cout << "velkor demo: the trend control in a sample workbook, step by step\n";
  sim::demo::DemoResult result;
  try {
    result = sim::demo::RunDemo(folder, std::cout);
  } catch (const sim::FileFormatError& e) {
    Fail("demo", std::string("the demo scenario is malformed at ") + e.place() + ": " + e.what());
  }
  const fs::path report = folder / sim::demo::kReportFile;
  WriteOutputFile("demo", report, sim::demo::DemoReportHtml(result));
  ListFiles(folder, result);
  std::cout << "\nOpen " << fs::absolute(report).lexically_normal().string() << " in a browser.\n";
  std::cout.flush();
  if (!result.Succeeded()) Fail("demo", "some steps failed; see the lines marked FAILED", 1);
}

}  // namespace

void RegisterDemoCommand(CLI::App& app) {
  auto* command = app.add_subcommand(
      "demo",
      "Build, edit, save, reopen and delete a trend in a sample workbook against the demo "
      "archive, narrating each step; writes the workbooks, the charts (SVG) and report.html");
  auto out = std::make_shared<std::string>("velkor-demo");
  command->add_option("--out", *out, "Folder for the files (created when missing)")
      ->capture_default_str();
  command->callback([out] { RunDemoCommand(*out); });
}

}  // namespace velkor::cli
