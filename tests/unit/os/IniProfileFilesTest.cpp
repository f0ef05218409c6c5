#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "os/linux/IniProfileFiles.h"
#include "platform/VbString.h"
#include "unit/host/HostFixture.h"

namespace velkor::sim {
namespace {

constexpr std::int32_t kBuffer = 255;

class IniProfileFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = folder_.File("PV.ini");
    std::ofstream(file_) << "\xEF\xBB\xBF; presets\n"
                            "orphan=before any section\n"
                            "[Trend Area]\r\n"
                            "  TrendTitle =  Boiler 3  \r\n"
                            "Quoted=\"  spaced  \"\n"
                            "Single='x'\n"
                            "Empty=\n"
                            "Equals=a=b\n"
                            "no equals sign\n"
                            "TrendTitle=second one loses\n"
                            "[GLOBAL]\n"
                            "ValueAttributesVisible=1\n"
                            "[trend area]\n"
                            "Later=the first section wins\n"
                            "[Long]\n"
                            "Text=" +
                                std::string(300, 'x') + "\n";
  }

  host_test::TempFolder folder_;
  std::string file_;
  IniProfileFiles profiles_;
};

TEST_F(IniProfileFilesTest, ReadsValuesByTheProfileRules) {
  struct Case {
    std::string section, key, defaultValue, expected;
  };
  const std::vector<Case> cases{
      {"Trend Area", "TrendTitle", "", "Boiler 3"},
      {"TREND AREA", "trendtitle", "", "Boiler 3"},
      {"Trend Area", "Quoted", "", "  spaced  "},
      {"Trend Area", "Single", "", "x"},
      {"Trend Area", "Empty", "dflt", ""},  // present but empty is not missing
      {"Trend Area", "Equals", "", "a=b"},
      {"Trend Area", "no equals sign", "dflt", "dflt"},
      {"Trend Area", "Later", "dflt", "dflt"},
      {"Trend Area", "orphan", "dflt", "dflt"},
      {"Trend Area", "Missing", "dflt", "dflt"},
      {"Trend Area", "Missing", "dflt  ", "dflt"},  // the default's trailing blanks go
      {"Global", "ValueAttributesVisible", "", "1"},
      {"No Such Section", "TrendTitle", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(profiles_.ReadString(file_, c.section, c.key, c.defaultValue, kBuffer), c.expected)
        << c.section << "/" << c.key;
  }
}

TEST_F(IniProfileFilesTest, CutsValuesAndDefaultsToTheBuffer) {
  EXPECT_EQ(profiles_.ReadString(file_, "Long", "Text", "", kBuffer), std::string(254, 'x'));
  EXPECT_EQ(profiles_.ReadString(file_, "Trend Area", "TrendTitle", "", 4), "Boi");
  EXPECT_EQ(profiles_.ReadString(file_, "Trend Area", "Missing", "default", 4), "def");
  EXPECT_EQ(profiles_.ReadString(file_, "Trend Area", "TrendTitle", "", 1), "");
  EXPECT_EQ(profiles_.ReadString(file_, "Trend Area", "TrendTitle", "", 0), "");
  // Characters, not bytes: "ä" is two bytes in UTF-8.
  std::ofstream(folder_.File("utf8.ini")) << "[s]\nk=\xC3\xA4\xC3\xA4\xC3\xA4\n";
  EXPECT_EQ(profiles_.ReadString(folder_.File("utf8.ini"), "s", "k", "", 3), "\xC3\xA4\xC3\xA4");
}

TEST_F(IniProfileFilesTest, ReadsWholeSectionsCutToTheBuffer) {
  const std::string global = profiles_.ReadSection(file_, "global", kBuffer);
  EXPECT_EQ(global, std::string("ValueAttributesVisible=1\0", 25));
  EXPECT_EQ(profiles_.ReadSection(file_, "No Such Section", kBuffer), "");
  EXPECT_EQ(vb::Len(profiles_.ReadSection(file_, "Long", kBuffer)), kBuffer - 2);
  EXPECT_EQ(profiles_.ReadSection(file_, "Global", 26), global);  // exactly fits
  EXPECT_EQ(profiles_.ReadSection(file_, "Global", 25).size(), 23u);
}

TEST_F(IniProfileFilesTest, MissingFilesGiveTheDefault) {
  const std::string missing = folder_.File("none.ini");
  EXPECT_FALSE(profiles_.Exists(missing));
  EXPECT_FALSE(profiles_.Exists(folder_.path().string()));  // a folder is no file
  EXPECT_TRUE(profiles_.Exists(file_));
  EXPECT_EQ(profiles_.ReadString(missing, "Trend Area", "TrendTitle", "dflt", kBuffer), "dflt");
  EXPECT_EQ(profiles_.ReadSection(missing, "Trend Area", kBuffer), "");
}

TEST_F(IniProfileFilesTest, AcceptsBackslashesBetweenFolders) {
  std::filesystem::create_directories(folder_.path() / "DAT");
  std::ofstream(folder_.path() / "DAT" / "PV.ini") << "[Global]\nk=v\n";
  const std::string windowsStyle = folder_.path().string() + "\\DAT\\PV.ini";
  EXPECT_TRUE(profiles_.Exists(windowsStyle));
  EXPECT_EQ(profiles_.ReadString(windowsStyle, "Global", "k", "", kBuffer), "v");
}

}  // namespace
}  // namespace velkor::sim
