// The runner's classes served through COM: created by ProgID anywhere in the
// process, and the classes root left as it was found, also after a run that
// ended without undoing its keys.
#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "com/bridge/Bstr.h"
#include "com/bridge/ComPtr.h"
#include "com/bridge/DispatchObject.h"
#include "os/linux/ObjectRegistry.h"
#include "platform/Conversions.h"
#include "standins/com/ComClasses.h"

namespace velkor {
namespace {

constexpr const char* kProgId = "Velkor.Test.Served";
constexpr const wchar_t* kKey = L"Velkor.Test.Served";
constexpr const wchar_t* kOriginal = L"{00000000-1111-2222-3333-444444444444}";

class Greeter : public Object {
 public:
  std::string TypeName() const override { return "Greeter"; }
  Variant Invoke(std::string_view member, InvokeKind, std::span<Variant>) override {
    return Variant("hello from " + std::string(member));
  }
};

std::optional<std::wstring> ClassIdOfKey() {
  wchar_t text[64] = {};
  DWORD size = sizeof text;
  if (RegGetValueW(HKEY_CLASSES_ROOT, (std::wstring(kKey) + L"\\CLSID").c_str(), nullptr,
                   RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(text);
}

void SetClassIdOfKey(const wchar_t* text) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, (std::wstring(kKey) + L"\\CLSID").c_str(), 0,
                            nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

bool KeyExists() {
  HKEY key = nullptr;
  const bool exists = RegOpenKeyExW(HKEY_CLASSES_ROOT, kKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
  if (key) RegCloseKey(key);
  return exists;
}

class ComClassesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kKey);
    registry->Register(kProgId, [] { return std::make_shared<Greeter>(); });
  }
  void TearDown() override { RegDeleteTreeW(HKEY_CLASSES_ROOT, kKey); }

  std::unique_ptr<sim::ComClassServer> Serve() { return sim::ServeThroughCom(registry, {kProgId}); }

  std::shared_ptr<sim::ObjectRegistry> registry = std::make_shared<sim::ObjectRegistry>();
};

TEST_F(ComClassesTest, AServedClassIsCreatedByProgIdThroughCom) {
  auto served = Serve();
  CLSID id{};
  ASSERT_EQ(CLSIDFromProgID(com::ToWide(kProgId).c_str(), &id), S_OK);
  com::ComPtr<IDispatch> made;
  ASSERT_EQ(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                             reinterpret_cast<void**>(made.Out())),
            S_OK);
  auto outside = std::make_shared<com::DispatchObject>(com::ComPtr<IUnknown>(made.get()));
  EXPECT_EQ(CStr(outside->Invoke("Wave", InvokeKind::Method, {})), "hello from Wave");
}

TEST_F(ComClassesTest, TheClassesRootIsLeftAsItWasFound) {
  struct Row {
    const char* what;
    const wchar_t* before;  // the class the ProgID had; null: no key at all
    bool interrupted;       // a run before this one ended without undoing its keys
  } rows[] = {
      {"a new ProgID", nullptr, false},
      {"a ProgID the system knows", kOriginal, false},
      {"a new ProgID after an interrupted run", nullptr, true},
      {"a known ProgID after an interrupted run", kOriginal, true},
  };
  for (const Row& row : rows) {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kKey);
    if (row.before) SetClassIdOfKey(row.before);
    if (row.interrupted) {
      auto lost = Serve();
      lost.release();  // never undone, as when the process is killed
    }
    {
      auto served = Serve();
      ASSERT_TRUE(ClassIdOfKey()) << row.what;
      EXPECT_NE(*ClassIdOfKey(), std::wstring(kOriginal)) << row.what;
    }
    if (row.before) {
      EXPECT_EQ(ClassIdOfKey().value_or(L"none"), std::wstring(row.before)) << row.what;
    } else {
      EXPECT_FALSE(KeyExists()) << row.what;
    }
  }
}

}  // namespace
}  // namespace velkor
