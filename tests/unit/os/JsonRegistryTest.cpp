#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "os/linux/AtomicFile.h"
#include "os/linux/JsonRegistry.h"
#include "unit/host/HostFixture.h"

namespace velkor::sim {
namespace {

using os::RegistryAccess;
using os::RegistryData;
using os::RegistryRoot;

constexpr std::string_view kHelpKey = "SOFTWARE\\Microsoft\\Windows\\Help";

class JsonRegistryTest : public ::testing::Test {
 protected:
  std::filesystem::path UserFile() const { return folder_.path() / "user" / "registry.json"; }
  std::filesystem::path MachineFile() const { return folder_.path() / "machine.json"; }

  std::optional<RegistryData> ReadBack(JsonRegistry& registry, RegistryRoot root,
                                       std::string_view key, std::string_view name) {
    auto opened = registry.Open(root, key, RegistryAccess::Read);
    return opened ? opened->Read(name) : std::nullopt;
  }

  host_test::TempFolder folder_;
};

TEST_F(JsonRegistryTest, KeepsTheRootsApartAndSurvivesReopening) {
  JsonRegistry registry(UserFile(), MachineFile());
  ASSERT_TRUE(registry.Open(RegistryRoot::LocalMachine, kHelpKey, RegistryAccess::Full)
                  ->Write("ZALTTRENDXL.HLP", std::string("C:\\Zalt\\help\\en")));
  ASSERT_TRUE(registry.Open(RegistryRoot::CurrentUser, "Software\\Velkor", RegistryAccess::Full)
                  ->Write("Count", std::uint32_t{7}));

  JsonRegistry reopened(UserFile(), MachineFile());
  EXPECT_EQ(ReadBack(reopened, RegistryRoot::LocalMachine, "software\\microsoft\\windows\\HELP",
                     "zalttrendxl.hlp"),
            RegistryData(std::string("C:\\Zalt\\help\\en")));
  EXPECT_EQ(ReadBack(reopened, RegistryRoot::CurrentUser, "Software\\Velkor", "count"),
            RegistryData(std::uint32_t{7}));
  EXPECT_EQ(ReadBack(reopened, RegistryRoot::CurrentUser, kHelpKey, "ZALTTRENDXL.HLP"),
            std::nullopt);
  EXPECT_EQ(reopened.Open(RegistryRoot::LocalMachine, "Software\\Velkor", RegistryAccess::Read),
            nullptr);
}

TEST_F(JsonRegistryTest, OverwritesAValueUnderItsStoredName) {
  JsonRegistry registry(UserFile(), MachineFile());
  auto key = registry.Open(RegistryRoot::LocalMachine, kHelpKey, RegistryAccess::Full);
  ASSERT_TRUE(key->Write("ZaltTrendXL.hlp", std::string("old")));
  ASSERT_TRUE(key->Write("ZALTTRENDXL.HLP", std::string("new")));
  EXPECT_EQ(ReadBack(registry, RegistryRoot::LocalMachine, kHelpKey, "zalttrendxl.hlp"),
            RegistryData(std::string("new")));
  EXPECT_NE(ReadWholeFile(MachineFile()).find("\"ZaltTrendXL.hlp\": \"new\""), std::string::npos);
}

TEST_F(JsonRegistryTest, AMachineRootItMayNotWriteRefusesSilently) {
  // The machine file's folder does not exist, as for an installation
  // folder an ordinary account may not write; a file standing where the
  // folder should be defeats even a privileged account.
  std::ofstream(folder_.File("blocker")) << "x";
  for (const auto& machine : {folder_.path() / "missing" / "registry.json",
                              folder_.path() / "blocker" / "registry.json"}) {
    JsonRegistry registry(UserFile(), machine);
    EXPECT_EQ(registry.Open(RegistryRoot::LocalMachine, kHelpKey, RegistryAccess::Full), nullptr);
    EXPECT_EQ(registry.Open(RegistryRoot::LocalMachine, kHelpKey, RegistryAccess::Read), nullptr);
    EXPECT_FALSE(std::filesystem::exists(machine));
    // The user's root is still there, its folder made on first write.
    EXPECT_NE(registry.Open(RegistryRoot::CurrentUser, kHelpKey, RegistryAccess::Full), nullptr);
  }
}

TEST_F(JsonRegistryTest, NeverOverwritesADamagedStore) {
  for (const std::string damaged : {"{not json", "[1, 2]", "{\"key\": 5}"}) {
    std::ofstream(MachineFile()) << damaged;
    JsonRegistry registry(UserFile(), MachineFile());
    EXPECT_EQ(registry.Open(RegistryRoot::LocalMachine, kHelpKey, RegistryAccess::Full), nullptr)
        << damaged;
    EXPECT_EQ(ReadWholeFile(MachineFile()), damaged);
  }
}

TEST_F(JsonRegistryTest, AKeyOpenedBeforeTheFileWasDamagedStopsWriting) {
  JsonRegistry registry(UserFile(), MachineFile());
  auto key = registry.Open(RegistryRoot::LocalMachine, kHelpKey, RegistryAccess::Full);
  ASSERT_NE(key, nullptr);
  std::ofstream(MachineFile()) << "garbage";
  EXPECT_FALSE(key->Write("v", std::string("x")));
  EXPECT_EQ(key->Read("v"), std::nullopt);
  EXPECT_EQ(ReadWholeFile(MachineFile()), "garbage");
}

}  // namespace
}  // namespace velkor::sim
