// The operating-system stand-ins of one test, with every file (settings,
// registry, log) in a folder of the test's own, so that nothing of the
// user's session is read or written. The previous services come back
// afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/os/OsServices.h"
#include "standins/SimServices.h"
#include "unit/host/HostFixture.h"
#include "unit/trend/OptionFakes.h"

namespace velkor::test {

class SandboxedServices {
 public:
  SandboxedServices() : saved_(os::OsServices()) {
    sim::SimOptions options;
    options.languageLibraries = false;
    options.osPaths = sim::OsPathsUnder(folder_.path());
    options.logToFile = false;
    sim = sim::InstallSimServices(options);
  }
  ~SandboxedServices() { os::InstallOsServices(saved_); }
  SandboxedServices(const SandboxedServices&) = delete;
  SandboxedServices& operator=(const SandboxedServices&) = delete;

  // Writes the user's settings file with the given text.
  void WriteUserSettings(const std::string& iniText) const {
    auto file = sim.osPaths.configHome / "zaltsystem" / "plotvane" / "PV.ini";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << iniText;
  }

  // The procedure names of the error reports so far, in order.
  std::vector<std::string> Reports() const { return ReportedIn(sim.log->Lines()); }

  sim::SimServices sim;

 private:
  host_test::TempFolder folder_;
  os::Services saved_;
};

}  // namespace velkor::test
