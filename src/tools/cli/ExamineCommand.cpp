// velkor inspect BOOK.json [--json]: what a saved workbook holds for each
// trend control: its persisted properties, its trace records and the
// problems found. Exit 0 when there are none, 1 when problems were listed,
// 2 when the file cannot be read.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "platform/VbString.h"
#include "standins/SimServices.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/VariantJson.h"
#include "standins/host/WorkbookJson.h"
#include "tools/cli/CliFiles.h"
#include "tools/cli/Commands.h"
#include "tools/cli/TextTable.h"
#include "tools/examine/WorkbookExamination.h"

namespace velkor::cli {

namespace {

using sim::Json;
using sim::inspect::ControlInspection;

constexpr const char* kInspect = "inspect";
constexpr std::int32_t kShownChars = 60;
// The version of the --json document: raised when a field changes meaning or
// goes away (added fields keep it).
constexpr int kJsonFormat = 1;

std::string Abbreviated(const std::string& text) {
  if (vb::Len(text) <= kShownChars) return text;
  return vb::Left(text, kShownChars - 1) + "\u2026 (" + std::to_string(vb::Len(text)) + " chars)";
}

std::vector<TableRow> PropertyRows(const ControlInspection& control) {
  std::vector<TableRow> rows{{"key", "type", "value", "default"}};
  for (const auto& p : control.properties)
    rows.push_back({p.key, std::string(sim::inspect::KeyTypeName(p.type)),
                    Abbreviated(sim::inspect::ShowValue(p.value)),
                    p.isDefault ? (p.stored ? "yes" : "yes (not stored)") : "no"});
  for (const auto& [key, value] : control.unknownKeys)
    rows.push_back({key, "?", Abbreviated(sim::inspect::ShowValue(value)), "unknown key"});
  return rows;
}

std::vector<TableRow> TraceRows(const sim::inspect::TraceTable& traces) {
  std::vector<TableRow> rows{{"#"}};
  rows[0].insert(rows[0].end(), traces.columns.begin(), traces.columns.end());
  for (std::size_t i = 0; i < traces.rows.size(); ++i) {
    TableRow row{std::to_string(i + 1)};
    row.insert(row.end(), traces.rows[i].begin(), traces.rows[i].end());
    rows.push_back(std::move(row));
  }
  return rows;
}

void PrintControl(const ControlInspection& control) {
  std::cout << "\n" << control.name << " on sheet " << control.sheet << "\n  properties:\n";
  PrintTable(std::cout, PropertyRows(control), "    ");
  std::cout << "  trace records: " << control.traces.rows.size() << "\n";
  if (!control.traces.rows.empty()) PrintTable(std::cout, TraceRows(control.traces), "    ");
  std::cout << "  problems: " << (control.problems.empty() ? "none" : "") << "\n";
  for (const auto& problem : control.problems) std::cout << "    - " << problem.message << "\n";
}

const char* OutcomeName(ParseOutcome outcome) {
  switch (outcome) {
    case ParseOutcome::Complete:
      return "complete";
    case ParseOutcome::Partial:
      return "partial";
    case ParseOutcome::NotXml:
      return "not-xml";
  }
  return "?";
}

Json Encoded(const Variant& value) {
  try {
    return sim::EncodeValue(value);
  } catch (...) {
    return sim::inspect::ShowValue(value);
  }
}

Json ProblemJson(const sim::inspect::Problem& problem) {
  Json out{{"code", problem.code}, {"key", problem.key}, {"message", problem.message}};
  if (problem.trace) out["trace"] = problem.trace;
  return out;
}

Json ControlJson(const ControlInspection& control) {
  Json properties = Json::array();
  for (const auto& p : control.properties)
    properties.push_back({{"key", p.key},
                          {"type", sim::inspect::KeyTypeName(p.type)},
                          {"value", Encoded(p.value)},
                          {"stored", p.stored},
                          {"default", p.isDefault}});
  Json unknown = Json::object();
  for (const auto& [key, value] : control.unknownKeys) unknown[key] = Encoded(value);
  Json problems = Json::array();
  for (const auto& problem : control.problems) problems.push_back(ProblemJson(problem));
  Json records = Json::array();
  for (const auto& row : control.traces.rows) {
    Json record = Json::object();
    for (std::size_t c = 0; c < row.size(); ++c) record[control.traces.columns[c]] = row[c];
    records.push_back(std::move(record));
  }
  return {{"sheet", control.sheet},
          {"name", control.name},
          {"properties", properties},
          {"unknownKeys", unknown},
          {"traceInfo", OutcomeName(control.traces.outcome)},
          {"traces", records},
          {"problems", problems}};
}

std::size_t CountProblems(const std::vector<ControlInspection>& controls) {
  std::size_t count = 0;
  for (const auto& control : controls) count += control.problems.size();
  return count;
}

void Inspect(const std::string& file, bool asJson) {
  const std::string text = ReadInputFile(kInspect, file);
  sim::WorkbookData book;
  try {
    book = sim::ReadWorkbookJson(text);
  } catch (const sim::FileFormatError& e) {
    Fail(kInspect, file + " is no workbook file (at " + e.place() + ": " + e.what() + ")");
  }
  sim::SimOptions options;
  options.languageLibraries = false;
  options.logToFile = false;
  const auto services = sim::InstallSimServices(options);
  const auto controls = sim::inspect::InspectWorkbook(book, *services.log);
  if (asJson) {
    Json out{{"format", kJsonFormat}, {"file", file}, {"controls", Json::array()}};
    for (const auto& control : controls) out["controls"].push_back(ControlJson(control));
    // Text that is not UTF-8 shows as U+FFFD rather than ending the output.
    std::cout << out.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
  } else {
    std::cout << file << ": " << controls.size() << " trend control(s)\n";
    for (const auto& control : controls) PrintControl(control);
  }
  std::cout.flush();
  if (const auto problems = CountProblems(controls))
    Fail(kInspect, std::to_string(problems) + " problem(s) found in " + file, 1);
}

}  // namespace

void RegisterInspectCommand(CLI::App& app) {
  auto* command = app.add_subcommand(
      "inspect",
      "Show each trend control of a saved workbook: its persisted properties (key, type, "
      "value, default or not), its trace records and any problems");
  auto file = std::make_shared<std::string>();
  auto asJson = std::make_shared<bool>(false);
  command->add_option("book", *file, "Workbook file (JSON, as velkor saves it)")->required();
  command->add_flag("--json", *asJson, "Print one JSON document instead of tables");
  command->callback([file, asJson] { Inspect(*file, *asJson); });
}

}  // namespace velkor::cli
