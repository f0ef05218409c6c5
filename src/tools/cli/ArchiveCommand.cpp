// velkor archive points|values|import: what an archive database holds, and
// samples imported into one from CSV.
#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>
#include <iostream>
#include <memory>
#include <string>

#include "parts/csv/ArchiveCsv.h"
#include "parts/time/IsoDate.h"
#include "platform/VbError.h"
#include "standins/VirtualNow.h"
#include "tools/cli/ArchiveOption.h"
#include "tools/cli/CliFiles.h"
#include "tools/cli/Commands.h"
#include "tools/cli/SessionOptions.h"
#include "tools/cli/TextTable.h"

namespace velkor::cli {

void RegisterArchiveImportCommand(CLI::App& archive);

namespace {

struct ValuesOptions {
  std::string server, tag, from, to;
  SessionOptions session;
};

DateValue NowOf(const std::string& command, const SessionOptions& options) {
  if (options.now.empty()) return sim::VirtualNow();
  const auto now = sim::csv::ParseAbsoluteTime(options.now);
  if (!now) Fail(command, "--now '" + options.now + "' is not an absolute date and time");
  return *now;
}

std::string NumberText(double value) {
  if (std::isnan(value)) return "gap";
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

void PrintPoints(const SessionOptions& options) {
  const auto store =
      OpenArchiveToRead("archive points", options.db, NowOf("archive points", options));
  std::vector<TableRow> rows{{"server", "tag", "values", "description", "units"}};
  for (const auto& point : store.ListPoints()) {
    const auto id = store.FindPoint(point.server, point.tag);
    rows.push_back({point.server, point.tag, std::to_string(id ? store.CountValues(*id) : 0),
                    point.details.description, point.details.units});
  }
  if (rows.size() == 1) {
    std::cout << "the archive holds no points\n";
    return;
  }
  PrintTable(std::cout, rows);
}

void PrintValues(const ValuesOptions& options) {
  const std::string command = "archive values";
  const DateValue now = NowOf(command, options.session);
  const DateValue from = TimeOption(command, "FROM", options.from, now);
  const DateValue to = TimeOption(command, "TO", options.to, now);
  if (from.serial > to.serial) Fail(command, "FROM lies after TO");
  const auto store = OpenArchiveToRead(command, options.session.db, now);
  sim::RangeRead read;
  try {
    read = store.ReadRange(options.server, options.tag, from, to);
  } catch (const VbError& e) {
    Fail(command, e.description());
  }
  if (!read.pointKnown)
    Fail(command, "the archive has no tag '" + options.tag + "' on server '" + options.server + "'",
         1);
  std::vector<TableRow> rows{{"time", "value", "status"}};
  for (const auto& sample : read.samples)
    rows.push_back(
        {sim::FormatIsoDate(sample.time), NumberText(sample.value), std::to_string(sample.status)});
  PrintTable(std::cout, rows);
  std::cerr << read.samples.size() << " value(s) from " << sim::FormatIsoDate(from) << " to "
            << sim::FormatIsoDate(to) << "\n";
}

void RegisterPoints(CLI::App& archive) {
  auto* command = archive.add_subcommand("points",
                                         "List the archive's points: server, tag, "
                                         "number of values, description, units");
  auto options = std::make_shared<SessionOptions>();
  AddSessionOptions(*command, *options);
  command->callback([options] { PrintPoints(*options); });
}

void RegisterValues(CLI::App& archive) {
  auto* command = archive.add_subcommand(
      "values", "Print the values of one tag between two times (both included), one per line");
  auto options = std::make_shared<ValuesOptions>();
  command->add_option("server", options->server, "Server name, such as srv1")->required();
  command->add_option("tag", options->tag, "Tag name, such as sinusoid")->required();
  command->add_option("from", options->from, "Start: a time text such as *-1H or 2026-12-07 05:00")
      ->required();
  command->add_option("to", options->to, "End: a time text such as *")->required();
  AddSessionOptions(*command, options->session);
  command->callback([options] { PrintValues(*options); });
}

}  // namespace

void RegisterArchiveCommand(CLI::App& app) {
  auto* archive = app.add_subcommand(
      "archive", "Look into an archive database, or import samples into one from CSV");
  archive->require_subcommand(1);
  RegisterPoints(*archive);
  RegisterValues(*archive);
  RegisterArchiveImportCommand(*archive);
}

}  // namespace velkor::cli
