// The profile-file reads on the system's profile calls: the cut to the
// caller's buffer that the settings reader relies on (254 characters from a
// 255-character buffer), defaults for what is missing, letter case in names,
// and text beyond ASCII in a UTF-16 file.
#include <gtest/gtest.h>

#include "OsTestSupport.h"
#include "com/bridge/Bstr.h"
#include "os/windows/WindowsFolders.h"
#include "os/windows/WindowsProfileFiles.h"
#include "platform/os/OsServices.h"
#include "support/Settings.h"

namespace velkor::sim {
namespace {

using ostest::ScratchFolder;

// 300 characters: the digits 0 to 9 over and over.
std::string LongValue() {
  std::string value;
  for (int i = 0; i < 300; ++i) value.push_back(static_cast<char>('0' + i % 10));
  return value;
}

const std::string kBoiler =
    "Kessel \xC3\x9C"
    "berdruck \xE6\xB8\xA9\xE5\xBA\xA6";        // Überdruck 温度
const std::string kSmile = "\xF0\x9F\x98\x80";  // U+1F600

std::string ProfileText() {
  return "[Trend Area]\r\n"
         "TrendTitle=Boiler 3\r\n"
         "Empty=\r\n"
         "Quoted=\"  padded  \"\r\n"
         "Long=" +
         LongValue() +
         "\r\n"
         "Split=" +
         std::string(253, 'a') + kSmile +
         "\r\n"
         "[Global]\r\n"
         "TrendTitle=global title\r\n"
         "[Anl\xC3\xA4ge]\r\n"
         "Name=" +
         kBoiler + "\r\n";
}

class WindowsProfileFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { ostest::WriteUtf16File(file, ProfileText()); }
  ScratchFolder folder;
  std::string file = folder.File("PV.ini");
  WindowsProfileFiles profiles;
};

TEST_F(WindowsProfileFilesTest, ReadString) {
  struct Row {
    const char* what;
    const char* section;
    const char* key;
    const char* defaultValue;
    std::int32_t buffer;
    std::string expected;
  };
  const Row rows[] = {
      {"a present key", "Trend Area", "TrendTitle", "", 255, "Boiler 3"},
      {"names ignore letter case", "TREND AREA", "trendtitle", "", 255, "Boiler 3"},
      {"a present empty value is empty", "Trend Area", "Empty", "dflt", 255, ""},
      {"one pair of enclosing quotes is dropped", "Trend Area", "Quoted", "", 255, "  padded  "},
      {"a missing key gives the default", "Trend Area", "Nope", "dflt", 255, "dflt"},
      {"the default loses its trailing blanks", "Trend Area", "Nope", "dflt   ", 255, "dflt"},
      {"a missing section gives the default", "Nope", "TrendTitle", "dflt", 255, "dflt"},
      {"a long value is cut to 254 characters", "Trend Area", "Long", "", 255,
       LongValue().substr(0, 254)},
      {"a small buffer cuts to its size - 1", "Trend Area", "TrendTitle", "", 4, "Boi"},
      {"a buffer of one holds only the NUL", "Trend Area", "TrendTitle", "", 1, ""},
      {"no buffer, no text", "Trend Area", "TrendTitle", "", 0, ""},
      {"a long default is cut too", "Trend Area", "Nope", "abcdef", 4, "abc"},
      {"non-ASCII names and values", "Anl\xC3\xA4ge", "Name", "", 255, kBoiler},
      {"a cut through a surrogate pair drops its half", "Trend Area", "Split", "", 255,
       std::string(253, 'a')},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(profiles.ReadString(file, row.section, row.key, row.defaultValue, row.buffer),
              row.expected);
  }
  EXPECT_EQ(
      profiles.ReadString(folder.File("missing.ini"), "Trend Area", "TrendTitle", "dflt", 255),
      "dflt");
}

TEST_F(WindowsProfileFilesTest, ReadSection) {
  using namespace std::string_literals;
  EXPECT_EQ(profiles.ReadSection(file, "Global", 255), "TrendTitle=global title\0"s);
  EXPECT_EQ(profiles.ReadSection(file, "global", 255), "TrendTitle=global title\0"s);
  EXPECT_EQ(profiles.ReadSection(file, "Nope", 255), "");
  EXPECT_EQ(profiles.ReadSection(folder.File("missing.ini"), "Global", 255), "");
  // Entries that do not fit are cut to the buffer size - 2.
  EXPECT_EQ(profiles.ReadSection(file, "Trend Area", 255).size(), 253u);
  EXPECT_EQ(profiles.ReadSection(file, "Global", 8), "TrendT");
}

TEST_F(WindowsProfileFilesTest, ExistsOnlyForFiles) {
  EXPECT_TRUE(profiles.Exists(file));
  EXPECT_FALSE(profiles.Exists(folder.File("missing.ini")));
  EXPECT_FALSE(profiles.Exists(folder.File("")));  // the folder itself
}

TEST_F(WindowsProfileFilesTest, AnsiFilesReadInTheCodePage) {
  const std::string ansi = folder.File("ansi.ini");
  ostest::WriteBytesFile(ansi, "[S]\r\nK=plain value\r\n");
  EXPECT_EQ(profiles.ReadString(ansi, "S", "K", "", 255), "plain value");
}

// The settings reader over these calls: the user file's value, cut as the
// platform cuts it, and the search order when the user file lacks a key.
class FoldersIn : public os::Folders {
 public:
  explicit FoldersIn(std::string appData) : appData_(std::move(appData)) {}
  std::string ApplicationData() override { return appData_; }
  std::string WindowsFolder() override { return {}; }
  std::string LibraryFolder() override { return {}; }

 private:
  std::string appData_;
};

TEST_F(WindowsProfileFilesTest, SettingsReaderSeesThePlatformCut) {
  std::filesystem::create_directories(folder.path() / "zaltsystem" / "plotvane");
  ostest::WriteUtf16File(
      folder.File("zaltsystem\\plotvane\\PV.ini"),
      "[Trend Area]\r\nTrendTitle=" + LongValue() + "\r\n[Global]\r\nOther=g\r\n");
  os::Services services;
  services.profiles = std::make_shared<WindowsProfileFiles>();
  services.folders = std::make_shared<FoldersIn>(folder.File(""));
  os::InstallOsServices(services);
  std::string value;
  EXPECT_EQ(ReadSetting("Trend Area", "TrendTitle", "", value), 254);
  EXPECT_EQ(value, LongValue().substr(0, 254));
  EXPECT_EQ(ReadSetting("Trend Area", "Other", "", value), 1);
  EXPECT_EQ(value, "g");
  os::InstallOsServices({});
}

TEST(WindowsFolders, NameExistingFolders) {
  WindowsFolders folders;
  for (const std::string& folder :
       {folders.ApplicationData(), folders.WindowsFolder(), LocalApplicationData()}) {
    SCOPED_TRACE(folder);
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    const DWORD attributes = GetFileAttributesW(com::ToWide(folder).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  EXPECT_TRUE(WindowsProfileFiles().Exists(folders.WindowsFolder() + "\\win.ini"));
}

TEST(WindowsFolders, LibraryFolderIsTheFolderOfThisProgram) {
  wchar_t self[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  ASSERT_GT(n, 0u);
  const std::wstring folder = std::filesystem::path(self).parent_path().wstring();
  EXPECT_EQ(WindowsFolders().LibraryFolder(), std::string(folder.begin(), folder.end()));
}

}  // namespace
}  // namespace velkor::sim
