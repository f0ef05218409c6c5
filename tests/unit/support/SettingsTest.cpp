#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/ErrorNumbers.h"
#include "platform/os/OsServices.h"
#include "platform/os/ProfileFiles.h"
#include "support/Settings.h"
#include "unit/trend/SandboxedServices.h"

namespace velkor {
namespace {

namespace fs = std::filesystem;

fs::path InstallFolder(const sim::OsPaths& paths) {
  return paths.stateHome.parent_path() / "zalt";
}

// Points zaltpc.ini at the installation folder, spelled as `home`.
void WriteZaltPc(const sim::OsPaths& paths, const std::string& home) {
  fs::create_directories(paths.systemDir);
  std::ofstream(paths.systemDir / "zaltpc.ini") << "[zaltpc]\nZaltHome=" << home << "\n";
}

void WriteInstallSettings(const sim::OsPaths& paths, const std::string& iniText) {
  WriteZaltPc(paths, InstallFolder(paths).string());
  fs::create_directories(InstallFolder(paths) / "DAT");
  std::ofstream(InstallFolder(paths) / "DAT" / "PV.ini") << iniText;
}

std::string ReadTitle(std::string_view defaultValue = "") {
  std::string value = "stale";
  const std::int32_t length = ReadSetting("Trend Area", "TrendTitle", defaultValue, value);
  EXPECT_EQ(length, static_cast<std::int32_t>(value.size()));
  return value;
}

class SettingsTest : public ::testing::Test {
 protected:
  const sim::OsPaths& paths() const { return sandbox_.sim.osPaths; }

  test::SandboxedServices sandbox_;
};

TEST_F(SettingsTest, SearchesTheUserFileThenTheInstallationFile) {
  struct Case {
    const char* name;
    std::string user;     // the user file's text; "-" for no file
    std::string install;  // the installation file's text; "-" for none
    std::string expected;
  };
  const std::vector<Case> cases{
      {"no files at all", "-", "-", ""},
      {"the requested section", "[Trend Area]\nTrendTitle=User\n[Global]\nTrendTitle=G\n", "-",
       "User"},
      {"Global when the section lacks the key", "[Trend Area]\nOther=1\n[Global]\nTrendTitle=G\n",
       "-", "G"},
      {"Global when there is no such section", "[Global]\nTrendTitle=G\n", "-", "G"},
      {"an empty user value counts as missing", "[Trend Area]\nTrendTitle=\n",
       "[Trend Area]\nTrendTitle=Install\n", "Install"},
      {"the user file wins", "[Trend Area]\nTrendTitle=User\n",
       "[Trend Area]\nTrendTitle=Install\n", "User"},
      {"a user Global wins over an installation section", "[Global]\nTrendTitle=G\n",
       "[Trend Area]\nTrendTitle=Install\n", "G"},
      {"the installation file's Global", "-", "[Global]\nTrendTitle=IG\n", "IG"},
      {"nowhere", "[Trend Area]\nOther=1\n", "[Global]\nOther=2\n", ""},
  };
  for (const auto& c : cases) {
    test::SandboxedServices sandbox;
    if (c.user != "-") sandbox.WriteUserSettings(c.user);
    if (c.install != "-") WriteInstallSettings(sandbox.sim.osPaths, c.install);
    EXPECT_EQ(ReadTitle(), c.expected) << c.name;
    EXPECT_TRUE(sandbox.Reports().empty()) << c.name;
  }
}

TEST_F(SettingsTest, ANonEmptyDefaultEndsTheSearchAtTheFirstFile) {
  sandbox_.WriteUserSettings("[Trend Area]\nOther=1\n");
  WriteInstallSettings(paths(), "[Trend Area]\nTrendTitle=Install\n");
  EXPECT_EQ(ReadTitle("dflt"), "dflt");
}

TEST_F(SettingsTest, ValuesAreCutTo254Characters) {
  sandbox_.WriteUserSettings("[Trend Area]\nTrendTitle=" + std::string(300, 'x') + "\n");
  EXPECT_EQ(ReadTitle(), std::string(254, 'x'));
}

TEST_F(SettingsTest, TheInstallationFolderMayEndWithABackslash) {
  WriteInstallSettings(paths(), "[Trend Area]\nTrendTitle=Install\n");
  for (const std::string& home :
       {InstallFolder(paths()).string(), InstallFolder(paths()).string() + "\\"}) {
    WriteZaltPc(paths(), home);
    std::string value;
    EXPECT_EQ(ReadInstallSetting("Trend Area", "TrendTitle", "", value), 7) << home;
    EXPECT_EQ(value, "Install");
  }
  EXPECT_EQ(JoinFolder("C:\\Zalt", "DAT\\PV.ini"), "C:\\Zalt\\DAT\\PV.ini");
  EXPECT_EQ(JoinFolder("C:\\Zalt\\", "DAT\\PV.ini"), "C:\\Zalt\\DAT\\PV.ini");
  EXPECT_EQ(JoinFolder("", "zaltpc.ini"), "\\zaltpc.ini");
}

TEST_F(SettingsTest, TheInstallationSearchAloneIgnoresTheUserFile) {
  sandbox_.WriteUserSettings("[Trend Area]\nTrendTitle=User\n");
  std::string value = "stale";
  EXPECT_EQ(ReadInstallSetting("Trend Area", "TrendTitle", "", value), 0);
  EXPECT_EQ(value, "");
  WriteZaltPc(paths(), "");  // zaltpc.ini without an installation folder
  EXPECT_EQ(ReadInstallSetting("Trend Area", "TrendTitle", "", value), 0);
  WriteZaltPc(paths(), (InstallFolder(paths()) / "nowhere").string());
  EXPECT_EQ(ReadInstallSetting("Trend Area", "TrendTitle", "", value), 0);
}

// Raises on every read of the installation file, as a failing system call would.
class FailingInstallReads : public os::ProfileFiles {
 public:
  explicit FailingInstallReads(std::shared_ptr<os::ProfileFiles> real) : real_(std::move(real)) {}
  bool Exists(std::string_view file) override { return real_->Exists(file); }
  std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view defaultValue, std::int32_t size) override {
    if (file.ends_with("DAT\\PV.ini")) Raise(err::kPathFileAccess);
    return real_->ReadString(file, section, key, defaultValue, size);
  }
  std::string ReadSection(std::string_view file, std::string_view section,
                          std::int32_t size) override {
    return real_->ReadSection(file, section, size);
  }

 private:
  std::shared_ptr<os::ProfileFiles> real_;
};

TEST_F(SettingsTest, FailuresAreReportedAndGiveNothing) {
  WriteInstallSettings(paths(), "[Trend Area]\nTrendTitle=Install\n");
  os::OsServices().profiles = std::make_shared<FailingInstallReads>(sandbox_.sim.profiles);
  EXPECT_EQ(ReadTitle(), "");
  ASSERT_EQ(sandbox_.sim.log->Lines().size(), 1u);
  EXPECT_NE(
      sandbox_.sim.log->Lines()[0].find("Error 75: Path/File access error in Failed to read INI"),
      std::string::npos)
      << sandbox_.sim.log->Lines()[0];

  os::OsServices().profiles = nullptr;
  EXPECT_EQ(ReadTitle(), "");
  ASSERT_EQ(sandbox_.sim.log->Lines().size(), 2u);
  EXPECT_NE(sandbox_.sim.log->Lines()[1].find("in failed to read user INI"), std::string::npos)
      << sandbox_.sim.log->Lines()[1];
}

}  // namespace
}  // namespace velkor
