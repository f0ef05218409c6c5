// velkor archive import FILE.csv --db FILE.db: samples from CSV into an
// archive database (created when missing). Bad rows are reported by line
// number and skipped; exit 0 when every row was imported, 1 when some were
// skipped, 2 when the file or the database cannot be used.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "parts/csv/ArchiveCsv.h"
#include "parts/csv/ArchiveImport.h"
#include "platform/VbError.h"
#include "tools/cli/CliFiles.h"
#include "tools/cli/ProgressBar.h"

namespace velkor::cli {

namespace {

namespace fs = std::filesystem;
constexpr const char* kCommand = "archive import";
// Smaller files are done before a bar would be worth drawing.
constexpr std::uintmax_t kBarFromBytes = 4u << 20;

struct ImportCommandOptions {
  std::string csv;
  std::string db;
};

std::uintmax_t BarTotal(const std::string& file) {
  std::error_code ec;
  const auto size = fs::file_size(file, ec);
  return ec || size < kBarFromBytes ? 0 : size;
}

sim::ArchiveStore OpenToWrite(const std::string& db) {
  try {
    return sim::ArchiveStore::Open(db, sim::ArchiveAccess::Write);
  } catch (const VbError& e) {
    Fail(kCommand, e.description());
  }
}

sim::csv::ImportSummary RunImport(std::istream& in, sim::ArchiveStore& store, ProgressBar& bar) {
  sim::csv::ImportOptions options;
  options.onBadRow = [&](std::int64_t line, const std::string& why) {
    bar.Clear();
    std::cerr << "velkor archive import: line " << line << " skipped: " << why << "\n";
  };
  options.onProgress = [&](std::uint64_t bytes) { bar.Update(bytes); };
  try {
    return sim::csv::ImportArchiveCsv(in, store, options);
  } catch (const sim::csv::CsvHeaderError& e) {
    bar.Clear();
    Fail(kCommand, e.what());
  } catch (const VbError& e) {
    bar.Clear();
    Fail(kCommand, "storing failed: " + e.description());
  } catch (const std::exception& e) {
    bar.Clear();
    Fail(kCommand, e.what());
  }
}

void Import(const ImportCommandOptions& options) {
  std::error_code ec;
  if (fs::is_directory(options.csv, ec)) Fail(kCommand, options.csv + " is a folder");
  std::ifstream in(options.csv, std::ios::binary);
  if (!in) Fail(kCommand, "cannot read " + options.csv);
  auto store = OpenToWrite(options.db);
  ProgressBar bar("importing " + fs::path(options.csv).filename().string(), BarTotal(options.csv));
  const auto summary = RunImport(in, store, bar);
  bar.Clear();
  std::cout << summary.imported << " value(s) of " << summary.points << " point(s) imported into "
            << options.db;
  if (summary.skipped) std::cout << "; " << summary.skipped << " bad row(s) skipped";
  std::cout << "\n";
  std::cout.flush();
  if (summary.skipped) throw CLI::RuntimeError(1);
}

}  // namespace

void RegisterArchiveImportCommand(CLI::App& archive) {
  auto* command = archive.add_subcommand(
      "import",
      "Import samples from CSV into an archive database (created when missing). The first line "
      "names the columns server, tag, time, value and optionally status; an empty value is a "
      "gap. Bad rows are reported by line number and skipped (exit 1)");
  auto options = std::make_shared<ImportCommandOptions>();
  command->add_option("csv", options->csv, "CSV file")->required();
  command
      ->add_option("--db", options->db,
                   "Archive database file to import into (required: the demo archive is "
                   "generated and cannot keep imported values)")
      ->required();
  command->callback([options] { Import(*options); });
}

}  // namespace velkor::cli
