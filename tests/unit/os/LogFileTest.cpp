#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "os/linux/AtomicFile.h"
#include "os/linux/FileLogSink.h"
#include "platform/os/OsServices.h"
#include "standins/SimServices.h"
#include "support/ErrorReport.h"
#include "unit/host/HostFixture.h"

namespace velkor::sim {
namespace {

std::vector<std::string> LinesOf(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(FileLogSink, AppendsEachReportAsOneLine) {
  host_test::TempFolder folder;
  const auto file = folder.path() / "state" / "velkor" / "velkor.log";
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << "kept from before\n";

  FileLogSink sink(file);
  sink.Write("first");
  sink.Write("two\nlines\r\nin one report");
  sink.Write("");
  EXPECT_EQ(LinesOf(file), (std::vector<std::string>{"kept from before", "first",
                                                     "two lines  in one report", ""}));
}

TEST(FileLogSink, CreatesItsFolderAndIgnoresWhatItCannotWrite) {
  host_test::TempFolder folder;
  FileLogSink fresh(folder.path() / "a" / "b" / "velkor.log");
  fresh.Write("made");
  EXPECT_EQ(LinesOf(fresh.file()), std::vector<std::string>{"made"});

  std::ofstream(folder.File("blocker")) << "x";
  FileLogSink blocked(folder.path() / "blocker" / "velkor.log");
  EXPECT_NO_THROW(blocked.Write("lost"));
  EXPECT_NO_THROW(FileLogSink(folder.path()).Write("a folder is no log file"));
}

TEST(FileLogSink, DoesNotWaitForAPipeNobodyReads) {
  host_test::TempFolder folder;
  const auto pipe = folder.path() / "pipe";
#ifdef _WIN32
  GTEST_SKIP() << "no named pipes in the file system";
#else
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
#endif
  EXPECT_NO_THROW(FileLogSink(pipe).Write("would block"));
}

TEST(SimLog, ReportsGoToMemoryAndToTheStateFolder) {
  const os::Services saved = os::OsServices();
  host_test::TempFolder folder;
  SimOptions options;
  options.languageLibraries = false;
  options.osPaths = OsPathsUnder(folder.path());
  auto sim = InstallSimServices(options);

  ReportError("ETW_Test", 0, VbError(13));
  ReportError("ETW_Other", 2, VbError(5));
  const auto lines = LinesOf(folder.path() / "state" / "velkor" / "velkor.log");
  EXPECT_EQ(lines, sim.log->Lines());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Zalt-KX-TrendWizard>Error 13: Type mismatch in ETW_Test");

  options.logToFile = false;
  auto memoryOnly = InstallSimServices(options);
  ReportError("ETW_Third", 0, VbError(13));
  EXPECT_EQ(LinesOf(folder.path() / "state" / "velkor" / "velkor.log").size(), 2u);
  EXPECT_EQ(memoryOnly.log->Lines().size(), 1u);
  os::InstallOsServices(saved);
}

}  // namespace
}  // namespace velkor::sim
