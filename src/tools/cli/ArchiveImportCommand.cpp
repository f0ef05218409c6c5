// velkor archive import FILE.csv|- --db FILE.db: samples from CSV into an
// archive database (created when missing). Bad rows are reported by line
// number and skipped; exit 0 when every row was imported, 1 when some were
// skipped, 2 when the file or the database cannot be used, 130 when Ctrl-C
// stopped it (the batches stored before stay).
#include <CLI/CLI.hpp>

#include <csignal>
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
constexpr const char* kImport = "archive import";
// Smaller files are done before a bar would be worth drawing.
constexpr std::uintmax_t kBarFromBytes = 4u << 20;
constexpr int kInterrupted = 130;

volatile std::sig_atomic_t gStopSignal = 0;

void RequestStop(int signal) {
  gStopSignal = signal;
}

// Ctrl-C (or a polite kill) lets the import end after the batch it is
// storing; a second one ends the process at once, and the next opening of
// the archive rolls back what was not committed.
void StopOnSignals() {
#ifdef _WIN32
  // The console's Ctrl-C and Ctrl-Break; std::signal resets itself like
  // SA_RESETHAND, so a second one ends the process.
  for (int signal : {SIGINT, SIGTERM, SIGBREAK}) std::signal(signal, RequestStop);
#else
  struct sigaction action {};
  action.sa_handler = RequestStop;
  action.sa_flags = SA_RESETHAND;  // no SA_RESTART: a blocked read of stdin returns
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
#endif
}

struct ImportCommandOptions {
  std::string csv;
  std::string db;
};

std::uintmax_t BarTotal(const std::string& file) {
  std::error_code ec;
  const auto size = fs::file_size(file, ec);
  return ec || size < kBarFromBytes ? 0 : size;
}

// A database file this import creates is removed again when nothing was
// stored in it: a failed import leaves no empty archive behind.
class NewDatabase {
 public:
  explicit NewDatabase(std::string file) : file_(std::move(file)) {
    std::error_code ec;
    isNew_ = !fs::exists(file_, ec) && !ec;
  }
  NewDatabase(const NewDatabase&) = delete;
  NewDatabase& operator=(const NewDatabase&) = delete;
  ~NewDatabase() {
    if (!isNew_ || keep_) return;
    std::error_code ec;
    fs::remove(file_, ec);
    fs::remove(file_ + "-journal", ec);
  }
  void Keep() { keep_ = true; }

 private:
  std::string file_;
  bool isNew_ = false;
  bool keep_ = false;
};

sim::ArchiveStore OpenToWrite(const std::string& db) {
  try {
    return sim::ArchiveStore::Open(db, sim::ArchiveAccess::Write);
  } catch (const VbError& e) {
    Fail(kImport, e.description());
  }
}

sim::csv::ImportSummary RunImport(std::istream& in, sim::ArchiveStore& store, ProgressBar& bar) {
  sim::csv::ImportOptions options;
  options.onBadRow = [&](std::int64_t line, const std::string& why) {
    bar.Clear();
    std::cerr << "velkor archive import: line " << line << " skipped: " << why << "\n";
  };
  options.onProgress = [&](std::uint64_t bytes) { bar.Update(bytes); };
  options.stopRequested = [] { return gStopSignal != 0; };
  try {
    return sim::csv::ImportArchiveCsv(in, store, options);
  } catch (const sim::csv::CsvHeaderError& e) {
    bar.Clear();
    Fail(kImport, e.what());
  } catch (const VbError& e) {
    bar.Clear();
    Fail(kImport, "storing failed: " + e.description());
  } catch (const std::exception& e) {
    bar.Clear();
    Fail(kImport, e.what());
  }
}

// The CSV input: standard input for "-", else a regular file (a device or a
// FIFO could feed the import without end).
std::unique_ptr<std::istream> OpenInput(const std::string& csv) {
  if (csv == "-") return std::make_unique<std::istream>(std::cin.rdbuf());
  std::error_code ec;
  const auto status = fs::status(csv, ec);
  if (status.type() == fs::file_type::not_found)
    Fail(kImport, "cannot read " + csv + ": no such file");
  if (fs::is_directory(status)) Fail(kImport, csv + " is a folder");
  if (!fs::is_regular_file(status)) Fail(kImport, csv + " is not a regular file");
  auto in = std::make_unique<std::ifstream>(csv, std::ios::binary);
  if (!*in) Fail(kImport, "cannot read " + csv);
  return in;
}

void Report(const ImportCommandOptions& options, const sim::csv::ImportSummary& summary) {
  if (summary.interrupted) {
    std::cerr << "velkor archive import: interrupted: ";
    if (summary.imported == 0)
      std::cerr << "no value was stored in " << options.db << "\n";
    else
      std::cerr << summary.imported << " value(s) of " << summary.points << " point(s) stored in "
                << options.db << "; the rest of the file was not imported\n";
    throw CLI::RuntimeError(kInterrupted);
  }
  std::cout << summary.imported << " value(s) of " << summary.points << " point(s) imported into "
            << options.db;
  if (summary.skipped) std::cout << "; " << summary.skipped << " bad row(s) skipped";
  std::cout << "\n";
  std::cout.flush();
  if (summary.skipped) throw CLI::RuntimeError(1);
}

void Import(const ImportCommandOptions& options) {
  auto in = OpenInput(options.csv);
  StopOnSignals();
  NewDatabase created(options.db);
  auto store = OpenToWrite(options.db);
  const std::string name =
      options.csv == "-" ? "standard input" : fs::path(options.csv).filename().string();
  ProgressBar bar("importing " + name, options.csv == "-" ? 0 : BarTotal(options.csv));
  const auto summary = RunImport(*in, store, bar);
  bar.Clear();
  if (summary.imported > 0 || (!summary.interrupted && !summary.skipped)) created.Keep();
  Report(options, summary);
}

}  // namespace

void RegisterArchiveImportCommand(CLI::App& archive) {
  auto* command = archive.add_subcommand(
      "import",
      "Import samples from CSV into an archive database (created when missing). The first line "
      "names the columns server, tag, time, value and optionally status; an empty value is a "
      "gap. Bad rows are reported by line number and skipped (exit 1)");
  auto options = std::make_shared<ImportCommandOptions>();
  command->add_option("csv", options->csv, "CSV file, or - for standard input")->required();
  command
      ->add_option("--db", options->db,
                   "Archive database file to import into (required: the demo archive is "
                   "generated and cannot keep imported values)")
      ->required();
  command->callback([options] { Import(*options); });
}

}  // namespace velkor::cli
