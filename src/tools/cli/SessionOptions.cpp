#include "tools/cli/SessionOptions.h"

#include <CLI/CLI.hpp>

#include <filesystem>

#include "parts/csv/ArchiveCsv.h"
#include "parts/time/TimeText.h"
#include "platform/VbError.h"
#include "standins/VirtualNow.h"
#include "tools/cli/CliFiles.h"

namespace velkor::cli {

namespace fs = std::filesystem;

void AddSessionOptions(CLI::App& command, SessionOptions& options) {
  command.add_option("--db", options.db,
                     "Archive database file (SQLite, see docs/archive.md; default: the demo "
                     "archive, generated for --now)");
  command.add_option("--now", options.now,
                     "The virtual now that relative times such as *-8H count from, as an "
                     "absolute time (default: the system's local time)");
}

sim::scenario::Scenario SessionScenario(const std::string& command, const SessionOptions& options) {
  sim::scenario::Scenario scenario;
  if (!options.now.empty()) {
    scenario.clock = sim::csv::ParseAbsoluteTime(options.now);
    if (!scenario.clock)
      Fail(command, "--now '" + options.now + "' is not an absolute date and time");
  }
  scenario.archive = sim::scenario::ArchiveSetup{};
  if (!options.db.empty()) {
    std::error_code ec;
    if (!fs::is_regular_file(options.db, ec)) Fail(command, "no archive file " + options.db);
    scenario.archive->kind = sim::scenario::ArchiveSetup::Kind::File;
    scenario.archive->file = fs::absolute(options.db).string();
  }
  return scenario;
}

DateValue TimeOption(const std::string& command, const std::string& option, const std::string& text,
                     DateValue now) {
  try {
    return sim::ParseTimeText(text, now);
  } catch (const VbError& e) {
    Fail(command, option + ": " + e.description());
  }
}

}  // namespace velkor::cli
