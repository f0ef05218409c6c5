// The options commands that run a host session share: which archive the data
// controls read, and the virtual now that time texts count from.
#pragma once

#include <optional>
#include <string>

#include "platform/Variant.h"
#include "tools/scenario/Scenario.h"

namespace CLI {
class App;
}

namespace velkor::cli {

struct SessionOptions {
  std::string db;   // empty: the demo archive
  std::string now;  // empty: the system's local time
};

// Adds --db and --now to `command`.
void AddSessionOptions(CLI::App& command, SessionOptions& options);

// The archive and clock as a scenario's set-up; fails the command for a
// --now that is no absolute time or a --db that does not exist.
sim::scenario::Scenario SessionScenario(const std::string& command, const SessionOptions& options);

// The time text read against the scenario's clock; fails the command with
// the grammar's complaint.
DateValue TimeOption(const std::string& command, const std::string& option, const std::string& text,
                     DateValue now);

}  // namespace velkor::cli
