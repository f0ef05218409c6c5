// Runs the demo through the scenario runner's session and verbs, narrating
// one line per step, and collects what the report shows.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tools/examine/WorkbookExamination.h"

namespace velkor::sim::demo {

struct DemoStepResult {
  std::string narration;
  std::vector<std::string> failures;  // empty: the step went as expected
  std::string svgFile;                // the chart rendered after the step, if any
  std::string svg;
};

struct DemoResult {
  std::vector<DemoStepResult> steps;
  std::vector<std::string> log;  // every error report of the session
  // The trend control as the saved workbook holds it.
  std::vector<inspect::ControlInspection> saved;
  std::string savedError;  // why the saved workbook could not be inspected

  bool Succeeded() const;
};

// The scenario file the demo writes beside its output, so that it can be
// run again with `velkor run`.
inline constexpr const char* kDemoScenarioFile = "demo-scenario.json";

// Runs the demo; its files go into `folder`, which must exist.
DemoResult RunDemo(const std::filesystem::path& folder, std::ostream& narration);

}  // namespace velkor::sim::demo
