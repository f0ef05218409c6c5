#include "tools/demo/DemoRun.h"

#include <algorithm>

#include "os/linux/AtomicFile.h"
#include "standins/SimServices.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/WorkbookJson.h"
#include "tools/demo/DemoScript.h"
#include "tools/scenario/Scenario.h"
#include "tools/scenario/ScenarioSession.h"
#include "tools/scenario/ScenarioSteps.h"

namespace velkor::sim::demo {

namespace fs = std::filesystem;

namespace {

Json RenderStep(const std::string& svg) {
  return Json{{"render", DemoTrendName()}, {"svg", svg}};
}

// The whole demo as one scenario, so that the runner checks every step
// before any runs.
Json DemoScenarioJson(const std::vector<DemoStep>& steps) {
  Json scenario = DemoSetUp();
  for (const auto& step : steps) {
    for (const auto& action : step.actions) scenario["steps"].push_back(action);
    if (!step.svg.empty()) scenario["steps"].push_back(RenderStep(step.svg));
  }
  return scenario;
}

std::string ReadIfPresent(const fs::path& file) {
  try {
    return ReadWholeFile(file);
  } catch (...) {
    return {};
  }
}

void RunActions(scenario::ScenarioSession& session, const Json& actions, DemoStepResult& result) {
  for (const auto& action : actions) {
    const auto outcome = scenario::RunStep(session, action);
    for (const auto& failure : outcome.failures)
      result.failures.push_back(outcome.summary + ": " + failure);
  }
}

void Narrate(std::ostream& out, std::size_t number, const DemoStepResult& step) {
  out << (number < 10 ? " " : "") << number << ". " << step.narration;
  if (!step.svgFile.empty()) out << " -> " << step.svgFile;
  out << (step.failures.empty() ? "" : "  FAILED") << "\n";
  for (const auto& failure : step.failures) out << "      " << failure << "\n";
  out.flush();
}

void InspectSaved(const fs::path& folder, DemoResult& result) {
  SimOptions options;
  options.languageLibraries = false;
  options.logToFile = false;
  const auto services = InstallSimServices(options);
  try {
    const WorkbookData book = ReadWorkbookJson(ReadWholeFile(folder / kSavedBook));
    result.saved = inspect::InspectWorkbook(book, *services.log);
  } catch (const FileFormatError& e) {
    result.savedError = std::string(kSavedBook) + " at " + e.place() + ": " + e.what();
  } catch (const std::exception& e) {
    result.savedError = std::string(kSavedBook) + ": " + e.what();
  }
}

}  // namespace

bool DemoResult::Succeeded() const {
  return savedError.empty() &&
         std::all_of(steps.begin(), steps.end(), [](const auto& s) { return s.failures.empty(); });
}

DemoResult RunDemo(const fs::path& folder, std::ostream& narration) {
  const std::vector<DemoStep> steps = DemoSteps();
  const Json scenarioJson = DemoScenarioJson(steps);
  const fs::path scenarioFile = folder / kDemoScenarioFile;
  WriteFileAtomically(scenarioFile, scenarioJson.dump(1) + "\n");
  const scenario::Scenario scenario = scenario::ParseScenario(scenarioJson.dump(), scenarioFile);
  DemoResult result;
  {
    scenario::ScenarioSession session(scenario, folder);
    session.SetUp(scenario);
    for (std::size_t i = 0; i < steps.size(); ++i) {
      DemoStepResult step{steps[i].narration, {}, steps[i].svg, {}};
      RunActions(session, steps[i].actions, step);
      if (!step.svgFile.empty()) {
        std::error_code ignored;  // a chart left from an earlier run must not stand in
        fs::remove(folder / step.svgFile, ignored);
        RunActions(session, Json::array({RenderStep(step.svgFile)}), step);
        step.svg = ReadIfPresent(folder / step.svgFile);
      }
      Narrate(narration, i + 1, step);
      result.steps.push_back(std::move(step));
    }
    result.log = session.Services().log->Lines();
  }
  InspectSaved(folder, result);
  return result;
}

}  // namespace velkor::sim::demo
