// velkor traceinfo FILE|- [--write]: reads a trace-info document as a workbook
// holds it and shows its records as a table, or with --write the document
// WriteXML makes of them. Error reports go to stderr; the exit status is 0
// when nothing was reported, 1 when something was, 2 when the file cannot be
// read.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "model/TraceFields.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "model/XmlWellFormed.h"
#include "os/linux/AtomicFile.h"
#include "standins/SimServices.h"
#include "tools/cli/Commands.h"
#include "tools/cli/TextTable.h"

namespace velkor::cli {

namespace {

struct TraceInfoOptions {
  std::string file;
  bool write = false;
};

[[noreturn]] void FailToRead(const std::string& file, const std::string& reason) {
  std::cerr << "velkor traceinfo: cannot read " << file << ": " << reason << '\n';
  throw CLI::RuntimeError(2);
}

// Standard input is read up to the limit of files, so that an endless
// stream is refused rather than held in memory.
std::string ReadAll(std::istream& in) {
  std::string text;
  std::vector<char> block(1 << 16);
  while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
    text.append(block.data(), static_cast<std::size_t>(in.gcount()));
    if (text.size() > sim::kMaxReadBytes)
      FailToRead("standard input",
                 sim::ReadRefusalCategory().message(static_cast<int>(sim::ReadRefusal::TooLarge)));
  }
  return text;
}

std::string ReadInput(const std::string& file) {
  if (file == "-") return ReadAll(std::cin);
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) FailToRead(file, "it is a folder");
  try {
    return sim::ReadWholeFile(file);
  } catch (const std::system_error& e) {
    FailToRead(file, e.code().message());
  }
}

using Row = TableRow;

std::vector<Row> TableOfTraces() {
  std::vector<Row> rows(1, Row{"#"});
  for (const auto& field : TraceFieldsInLayoutOrder()) rows[0].emplace_back(field.name);
  for (std::int32_t i = 1; i <= TracesUBound(); ++i) {
    Row row{std::to_string(i)};
    for (const auto& field : TraceFieldsInLayoutOrder())
      row.push_back(FieldText(gTraces[static_cast<std::size_t>(i)], field));
    rows.push_back(std::move(row));
  }
  return rows;
}

// Anything a support engineer must know beyond the reports themselves.
void PrintOutcome(const std::string& file, const std::string& xml, ParseOutcome outcome) {
  if (outcome == ParseOutcome::NotXml) {
    const auto fault = FindXmlFault(xml);
    std::cerr << "velkor traceinfo: " << (file == "-" ? "standard input" : file)
              << " is not a well-formed XML document"
              << (fault ? " (" + DescribeXmlFault(*fault) + ")" : std::string())
              << "; no records were read\n";
  }
  if (outcome == ParseOutcome::Partial)
    std::cerr << "velkor traceinfo: reading stopped at the error above; the records from there "
                 "on are incomplete\n";
}

void RunTraceInfo(const TraceInfoOptions& options) {
  const std::string xml = ReadInput(options.file);
  sim::SimOptions simOptions;
  simOptions.languageLibraries = false;  // reports use the own table only
  const auto sim = sim::InstallSimServices(simOptions);
  const ParseOutcome outcome = ReadXML(xml);
  if (options.write)
    std::cout << WriteXML() << '\n';
  else
    PrintTable(std::cout, TableOfTraces());
  std::cout.flush();
  const auto reports = sim.log->Lines();
  for (const auto& report : reports) std::cerr << report << '\n';
  PrintOutcome(options.file, xml, outcome);
  if (!reports.empty() || outcome != ParseOutcome::Complete) throw CLI::RuntimeError(1);
}

}  // namespace

void RegisterTraceInfoCommand(CLI::App& app) {
  auto* command = app.add_subcommand(
      "traceinfo", "Show the trace records of a trace-info XML document (FILE, or - for stdin)");
  auto options = std::make_shared<TraceInfoOptions>();
  command->add_option("file", options->file, "The document, or - to read standard input")
      ->required();
  command->add_flag("--write", options->write,
                    "Print the document written back from the records instead of the table");
  command->callback([options] { RunTraceInfo(*options); });
}

}  // namespace velkor::cli
