// ScenarioSession: one run of a scenario: a fresh host stand-in with its
// services, the wizard add-in, the output folder, and what the checks have
// already seen of the message boxes, error reports and macro runs.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

#include "standins/SimServices.h"
#include "standins/host/HostDriver.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimOLEObject.h"
#include "standins/host/WizardAddIn.h"
#include "tools/scenario/Scenario.h"
#include "tools/scenario/ScenarioRunner.h"
#include "tools/scenario/ScenarioValue.h"

namespace velkor::sim::scenario {

class ScenarioSession {
 public:
  ScenarioSession(const Scenario& scenario, std::filesystem::path outputFolder,
                  const RunOptions& options = {});
  // Closes every workbook (their controls terminate) and ends the session.
  ~ScenarioSession();
  ScenarioSession(const ScenarioSession&) = delete;
  ScenarioSession& operator=(const ScenarioSession&) = delete;

  // Puts the host into the state the scenario's set-up describes. Throws
  // FileFormatError at the set-up field the host refused.
  void SetUp(const Scenario& scenario);

  // Adds a workbook built from `setup` as the active one, without events.
  // Throws FileFormatError at the part of `path` the host refused.
  void AddWorkbook(const WorkbookSetup& setup, const std::string& path);

  SimApplication& App() { return *app_; }
  HostDriver& Driver() { return driver_; }
  SimServices& Services() { return services_; }
  const WizardAddIn& AddIn() const { return *addIn_; }

  // The OLE object of that name on any sheet of the active workbook (letter
  // case ignored); raises 1004 naming it when there is none.
  std::shared_ptr<SimOLEObject> Frame(const std::string& name);
  // Frame(name)->Object(), as an ObjectLookup for scenario values.
  ObjectLookup Lookup();

  // A file the scenario writes: `relative` inside the output folder. Raises
  // 1004 for an absolute path, one that climbs out with "..", and one whose
  // folder is elsewhere in fact (through a symbolic link).
  std::filesystem::path OutputPath(const std::string& relative) const;
  // Raises 1004 unless the real folder of `file` lies in the output folder.
  void RequireInOutputFolder(const std::filesystem::path& file) const;
  // A file the scenario reads: a relative path is looked up in the output
  // folder first, then beside the scenario file.
  std::filesystem::path InputPath(const std::string& path) const;

  // How many message boxes, error reports and macro runs the previous
  // check of each kind covered.
  std::size_t messagesSeen = 0;
  std::size_t logSeen = 0;
  std::size_t macrosSeen = 0;

 private:
  void Activate(const ActiveSetup& active);

  SimServices services_;
  std::shared_ptr<void> comMode_;  // ends after the host's objects are gone
  std::shared_ptr<SimApplication> app_;
  HostDriver driver_;
  std::shared_ptr<WizardAddIn> addIn_;
  std::filesystem::path outputFolder_;
  std::filesystem::path scenarioFolder_;
};

}  // namespace velkor::sim::scenario
