// Runs scenario files against the host stand-in and reports one line per
// step, expected against actual at every failed expectation.
#pragma once

#include <filesystem>
#include <ostream>

namespace velkor::sim::scenario {

// Exit codes of a run.
inline constexpr int kAllHeld = 0;
inline constexpr int kExpectationFailed = 1;
inline constexpr int kMalformed = 2;

struct RunOptions {
  // The control reaches the host and the components only by name: through
  // views of the stand-ins and its typed adapters, as across COM.
  bool byName = false;
  // The control comes from the registered velkor.dll, and every call between
  // it and its surroundings crosses COM (the Windows build only).
  bool com = false;
};

// Runs one file, writing what it saves or renders into `outputFolder`
// (which must exist). Returns kMalformed, before any step runs, for a file
// that cannot be read or whose set-up the host refuses (one line "FILE:
// why" on `errors`); otherwise kExpectationFailed when any step failed, else
// kAllHeld.
int RunScenarioFile(const std::filesystem::path& file, const std::filesystem::path& outputFolder,
                    std::ostream& report, std::ostream& errors, const RunOptions& options = {});

}  // namespace velkor::sim::scenario
