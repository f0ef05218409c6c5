// The Registry interface on the system registry: what a write stores is what
// a read gives back, value kinds and missing keys behave as callers expect,
// and a key deleted under an open handle fails instead of pretending.
#include <gtest/gtest.h>

#include "OsTestSupport.h"
#include "com/bridge/Bstr.h"
#include "os/windows/WindowsRegistry.h"

namespace velkor::sim {
namespace {

using os::RegistryAccess;
using os::RegistryData;
using os::RegistryRoot;
using ostest::ScratchKey;

std::unique_ptr<os::RegistryKey> OpenFull(RegistryRoot root, const std::string& path) {
  return WindowsRegistry().Open(root, path, RegistryAccess::Full);
}

// Stores raw data the way another program might, bypassing the interface.
void SetRaw(const ScratchKey& key, const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExW(key.root(), com::ToWide(key.path()).c_str(), 0, nullptr, 0, KEY_WRITE,
                            nullptr, &handle, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(handle, name, 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
  RegCloseKey(handle);
}

TEST(WindowsRegistry, ValuesComeBackAsWritten) {
  struct Row {
    const char* what;
    RegistryData data;
  };
  const Row rows[] = {
      {"a plain text", std::string("C:\\Zalt\\help\\en")},
      {"the empty text", std::string()},
      {"text outside the code page", std::string("C:\\Pr\xC3\xBC"
                                                 "fung\\\xE5\xB8\xAE\xE5\x8A\xA9")},
      {"a character beyond the 16-bit range", std::string("\xF0\x9F\x98\x80 boiler")},
      {"a text longer than a first read's buffer", std::string(5000, 'x')},
      {"double word 0", std::uint32_t{0}},
      {"double word 65", std::uint32_t{65}},
      {"the largest double word", std::uint32_t{0xFFFFFFFF}},
  };
  for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
    ScratchKey scratch(root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE);
    auto key = OpenFull(root, scratch.path());
    ASSERT_TRUE(key);
    for (const Row& row : rows) {
      SCOPED_TRACE(row.what);
      EXPECT_TRUE(key->Write(row.what, row.data));
      EXPECT_EQ(key->Read(row.what), std::optional<RegistryData>(row.data));
      auto reopened = WindowsRegistry().Open(root, scratch.path(), RegistryAccess::Read);
      ASSERT_TRUE(reopened);
      EXPECT_EQ(reopened->Read(row.what), std::optional<RegistryData>(row.data));
    }
  }
}

TEST(WindowsRegistry, KeysAndValueNames) {
  ScratchKey scratch(HKEY_CURRENT_USER);
  const std::string nested = scratch.path() + "\\Help\\Deeper";
  WindowsRegistry registry;
  // Read access opens only what exists; full access creates the whole path.
  EXPECT_FALSE(registry.Open(RegistryRoot::CurrentUser, nested, RegistryAccess::Read));
  auto key = registry.Open(RegistryRoot::CurrentUser, nested, RegistryAccess::Full);
  ASSERT_TRUE(key);
  ASSERT_TRUE(key->Write("ZaltTrendXL.hlp", std::string("dir")));
  // Letter case is ignored in key paths and value names.
  std::string upper = nested;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  auto again = registry.Open(RegistryRoot::CurrentUser, upper, RegistryAccess::Read);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Read("ZALTTRENDXL.HLP"), std::optional<RegistryData>(std::string("dir")));
  // A missing value is absent; a rewrite replaces value and kind.
  EXPECT_EQ(again->Read("Missing"), std::nullopt);
  ASSERT_TRUE(key->Write("zalttrendxl.hlp", std::uint32_t{7}));
  EXPECT_EQ(again->Read("ZaltTrendXL.hlp"), std::optional<RegistryData>(std::uint32_t{7}));
}

TEST(WindowsRegistry, DataOtherProgramsStore) {
  ScratchKey scratch(HKEY_CURRENT_USER);
  const wchar_t unterminated[] = {L'a', L'b', L'c'};
  const wchar_t doubled[] = L"abc\0\0";
  const wchar_t expandable[] = L"%SystemRoot%\\help";
  const BYTE binary[] = {1, 2, 3, 4};
  const ULONGLONG wide = 5;
  SetRaw(scratch, L"unterminated", REG_SZ, unterminated, sizeof unterminated);
  SetRaw(scratch, L"doubled", REG_SZ, doubled, sizeof doubled);
  SetRaw(scratch, L"expandable", REG_EXPAND_SZ, expandable, sizeof expandable);
  SetRaw(scratch, L"binary", REG_BINARY, binary, sizeof binary);
  SetRaw(scratch, L"qword", REG_QWORD, &wide, sizeof wide);
  auto key =
      WindowsRegistry().Open(RegistryRoot::CurrentUser, scratch.path(), RegistryAccess::Read);
  ASSERT_TRUE(key);
  struct Row {
    const char* name;
    std::optional<RegistryData> expected;
  };
  const Row rows[] = {
      {"unterminated", std::string("abc")},               // no NUL stored: nothing lost
      {"doubled", std::string("abc")},                    // the text ends at the first NUL
      {"expandable", std::string("%SystemRoot%\\help")},  // as stored, not expanded
      {"binary", std::nullopt},                           // kinds without a counterpart
      {"qword", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(key->Read(row.name), row.expected);
  }
}

TEST(WindowsRegistry, WritesThatCannotBeStoredReportFailure) {
  ScratchKey scratch(HKEY_CURRENT_USER);
  auto key = OpenFull(RegistryRoot::CurrentUser, scratch.path());
  ASSERT_TRUE(key);
  // A NUL inside a text would end it early: refused rather than cut.
  EXPECT_FALSE(key->Write("cut", std::string("abc\0def", 7)));
  EXPECT_EQ(key->Read("cut"), std::nullopt);
  // A key deleted while open takes no values and has none.
  ASSERT_TRUE(key->Write("kept", std::string("x")));
  ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, com::ToWide(scratch.path()).c_str()), ERROR_SUCCESS);
  EXPECT_FALSE(key->Write("after", std::string("y")));
  EXPECT_EQ(key->Read("kept"), std::nullopt);
}

}  // namespace
}  // namespace velkor::sim
