#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ErrorNumbers.h"
#include "platform/os/Folders.h"
#include "platform/os/OsServices.h"
#include "platform/os/Registry.h"
#include "support/HelpRegistration.h"
#include "support/RegistryValue.h"
#include "unit/platform/RaisedNumber.h"
#include "unit/trend/SandboxedServices.h"

namespace velkor {
namespace {

using os::RegistryData;

TEST(HelpFolder, IsHelpEnBesideTheLibrarysFolder) {
  struct Case {
    std::string library, expected;
  };
  const std::vector<Case> cases{
      {"C:\\Zalt\\bin", "C:\\Zalt\\help\\en"},
      {"C:\\Zalt\\bin\\", "C:\\Zalt\\help\\en"},
      {"C:\\bin", "C:\\help\\en"},
      {"\\\\server\\share\\bin", "\\\\server\\share\\help\\en"},
      {"C:\\", ""},
      {"velkor", ""},
      {"", ""},
      {"/usr/lib/velkor", "/usr/lib/help/en"},
      {"/opt/zalt/bin/", "/opt/zalt/help/en"},
  };
  for (const auto& c : cases) EXPECT_EQ(HelpFolder(c.library), c.expected) << c.library;
}

class RegistryValueTest : public ::testing::Test {
 protected:
  std::optional<RegistryData> MachineValue(std::string_view key, std::string_view name) const {
    auto opened =
        sandbox_.sim.registry->Open(os::RegistryRoot::LocalMachine, key, os::RegistryAccess::Read);
    return opened ? opened->Read(name) : std::nullopt;
  }

  test::SandboxedServices sandbox_;
};

TEST_F(RegistryValueTest, RegistersTheHelpFolderOfTheLibrary) {
  RegisterHelpFile();
  const std::string library = sandbox_.sim.folders->LibraryFolder();
  ASSERT_TRUE(std::filesystem::is_directory(library)) << library;
  EXPECT_EQ(MachineValue(kHelpRegistryKey, "ZALTTRENDXL.HLP"), RegistryData(HelpFolder(library)));
}

TEST_F(RegistryValueTest, WritesStringsAndDoubleWordsOnly) {
  constexpr std::string_view kKey = "SOFTWARE\\Zalt";
  SetRegistryValue(kKey, "Text", Variant(42), kRegString);
  SetRegistryValue(kKey, "Number", Variant("42"), kRegDword);
  SetRegistryValue(kKey, "Negative", Variant(-1), kRegDword);
  SetRegistryValue(kKey, "Binary", Variant("x"), 3);
  EXPECT_EQ(MachineValue(kKey, "Text"), RegistryData(std::string("42")));
  EXPECT_EQ(MachineValue(kKey, "Number"), RegistryData(std::uint32_t{42}));
  EXPECT_EQ(MachineValue(kKey, "Negative"), RegistryData(std::uint32_t{0xFFFFFFFF}));
  EXPECT_EQ(MachineValue(kKey, "Binary"), std::nullopt);
  EXPECT_EQ(platform_test::RaisedNumber(
                [&] { SetRegistryValue(kKey, "Bad", Variant("forty"), kRegDword); }),
            err::kTypeMismatch);
}

TEST_F(RegistryValueTest, ARefusedMachineRootIsNoError) {
  sim::SimOptions options;
  options.languageLibraries = false;
  options.logToFile = false;
  options.osPaths = sandbox_.sim.osPaths;
  options.osPaths->machineRegistry = options.osPaths->systemDir / "no-such-folder" / "reg.json";
  auto refused = sim::InstallSimServices(options);

  EXPECT_NO_THROW(RegisterHelpFile());
  EXPECT_FALSE(std::filesystem::exists(options.osPaths->machineRegistry));
  EXPECT_TRUE(refused.log->Lines().empty());

  os::OsServices().registry = nullptr;  // a system without a registry at all
  EXPECT_NO_THROW(SetRegistryValue(kHelpRegistryKey, "x", Variant("y"), kRegString));
}

}  // namespace
}  // namespace velkor
