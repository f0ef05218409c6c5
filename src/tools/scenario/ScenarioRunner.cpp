#include "tools/scenario/ScenarioRunner.h"

#include "standins/host/FileFormatError.h"
#include "tools/scenario/Scenario.h"
#include "tools/scenario/ScenarioSession.h"
#include "tools/scenario/ScenarioSteps.h"

namespace velkor::sim::scenario {

namespace {

void ReportMalformed(std::ostream& errors, const std::filesystem::path& file,
                     const FileFormatError& e) {
  errors << file.string() << ": ";
  if (!e.where().empty()) errors << "malformed scenario at " << DescribePlace(e.where()) << ": ";
  errors << e.what() << "\n";
}

void ReportStep(std::ostream& report, std::size_t number, const StepOutcome& outcome) {
  report << "step " << number << ": " << outcome.summary
         << (outcome.failures.empty() ? " ok" : " FAILED") << "\n";
  for (const auto& failure : outcome.failures) report << "    " << failure << "\n";
}

}  // namespace

int RunScenarioFile(const std::filesystem::path& file, const std::filesystem::path& outputFolder,
                    std::ostream& report, std::ostream& errors, const RunOptions& options) {
  Scenario scenario;
  try {
    scenario = ReadScenarioFile(file);
  } catch (const FileFormatError& e) {
    ReportMalformed(errors, file, e);
    return kMalformed;
  }
  report << file.string() << "\n";
  ScenarioSession session(scenario, outputFolder, options);
  try {
    session.SetUp(scenario);
  } catch (const FileFormatError& e) {
    ReportMalformed(errors, file, e);
    return kMalformed;
  }
  std::size_t failed = 0;
  for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
    const StepOutcome outcome = RunStep(session, scenario.steps[i]);
    ReportStep(report, i + 1, outcome);
    if (!outcome.failures.empty()) ++failed;
  }
  report << (failed ? std::to_string(failed) + " of " + std::to_string(scenario.steps.size()) +
                          " steps failed"
                    : "all " + std::to_string(scenario.steps.size()) + " steps held")
         << "\n";
  return failed ? kExpectationFailed : kAllHeld;
}

}  // namespace velkor::sim::scenario
