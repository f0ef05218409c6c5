#include "control/ObjectSafety.h"

#include <gtest/gtest.h>

#include "control/ExcelTrendWizard.h"
#include "platform/ErrorNumbers.h"

namespace velkor {
namespace {

constexpr std::uint32_t kUntouched = 0xDEADBEEF;
const char* const kIDispatch = "{00020400-0000-0000-C000-000000000046}";
const char* const kIPersistStorage = "{0000010A-0000-0000-C000-000000000046}";
const char* const kIPersistStream = "{00000109-0000-0000-C000-000000000046}";
const char* const kIPersistPropertyBag = "{37d84f60-42cb-11ce-8135-00aa004bb851}";
const char* const kIPersistStreamInit = "{7FD52380-4E07-101B-AE2D-08002B2EC713}";
const char* const kIUnknown = "{00000000-0000-0000-C000-000000000046}";

Guid Iid(const char* text) {
  return ParseGuid(text).value();
}

// Sets this thread's safety flags for one test and restores them.
class SafetyFlags {
 public:
  SafetyFlags(bool scripting, bool initializing)
      : scripting_(basSafeCtl::m_fSafeForScripting),
        initializing_(basSafeCtl::m_fSafeForInitializing) {
    basSafeCtl::m_fSafeForScripting = scripting;
    basSafeCtl::m_fSafeForInitializing = initializing;
  }
  ~SafetyFlags() {
    basSafeCtl::m_fSafeForScripting = scripting_;
    basSafeCtl::m_fSafeForInitializing = initializing_;
  }

 private:
  bool scripting_, initializing_;
};

struct GetCase {
  const char* iid;  // nullptr: a null riid
  bool scripting, initializing;
  HRESULT result;
  std::uint32_t enabled;
};

TEST(ObjectSafety, GetReportsWhatEachInterfaceIsSafeFor) {
  const GetCase cases[] = {
      {kIDispatch, true, true, err::kS_OK, 1},
      {kIDispatch, false, true, err::kS_OK, 0},
      {kIPersistStorage, true, true, err::kS_OK, 2},
      {kIPersistStream, true, true, err::kS_OK, 2},
      {kIPersistPropertyBag, true, true, err::kS_OK, 2},
      {kIPersistStreamInit, true, true, err::kS_OK, 2},
      {kIPersistPropertyBag, true, false, err::kS_OK, 0},
      {kIUnknown, true, true, err::kE_NOINTERFACE, kUntouched},
      {nullptr, true, true, err::kS_OK, kUntouched},
  };
  for (const auto& c : cases) {
    SafetyFlags flags(c.scripting, c.initializing);
    std::optional<Guid> riid;
    if (c.iid) riid = Iid(c.iid);
    std::uint32_t supported = kUntouched, enabled = kUntouched;
    HRESULT hr =
        basSafeCtl::GetInterfaceSafetyOptions(riid ? &*riid : nullptr, &supported, &enabled);
    const char* name = c.iid ? c.iid : "null";
    EXPECT_EQ(hr, c.result) << name;
    EXPECT_EQ(supported, 3u) << name;
    EXPECT_EQ(enabled, c.enabled) << name;
  }
}

struct SetCase {
  const char* iid;
  std::uint32_t mask, enabled;
  bool safe;
  HRESULT result;
};

TEST(ObjectSafety, SetAcceptsExactlyTheOptionTheInterfaceConcerns) {
  const SetCase cases[] = {
      {kIDispatch, 1, 1, true, err::kS_OK},
      {kIDispatch, 3, 1, true, err::kS_OK},
      {kIDispatch, 3, 3, true, err::kE_FAIL},
      {kIDispatch, 0, 1, true, err::kE_FAIL},
      {kIDispatch, 2, 2, true, err::kE_FAIL},
      {kIDispatch, 1, 1, false, err::kE_FAIL},
      {kIPersistStream, 2, 2, true, err::kS_OK},
      {kIPersistStreamInit, 2, 3, true, err::kS_OK},
      {kIPersistStorage, 3, 3, true, err::kE_FAIL},
      {kIPersistPropertyBag, 1, 1, true, err::kE_FAIL},
      {kIPersistPropertyBag, 2, 2, false, err::kE_FAIL},
      {kIUnknown, 1, 1, true, err::kE_NOINTERFACE},
      {nullptr, 0, 0, false, err::kS_OK},
  };
  for (const auto& c : cases) {
    SafetyFlags flags(c.safe, c.safe);
    std::optional<Guid> riid;
    if (c.iid) riid = Iid(c.iid);
    HRESULT hr = basSafeCtl::SetInterfaceSafetyOptions(riid ? &*riid : nullptr, c.mask, c.enabled);
    EXPECT_EQ(hr, c.result) << (c.iid ? c.iid : "null") << " mask " << c.mask << " enabled "
                            << c.enabled;
    EXPECT_EQ(basSafeCtl::m_fSafeForScripting, c.safe);
  }
}

TEST(ObjectSafety, NullOutputPointersAreRefusedInsteadOfWrittenThrough) {
  Guid riid = Iid(kIDispatch);
  std::uint32_t value = kUntouched;
  EXPECT_EQ(basSafeCtl::GetInterfaceSafetyOptions(&riid, nullptr, &value), err::kE_POINTER);
  EXPECT_EQ(basSafeCtl::GetInterfaceSafetyOptions(&riid, &value, nullptr), err::kE_POINTER);
  EXPECT_EQ(value, kUntouched);
}

TEST(ObjectSafety, TheControlAnswersThroughIObjectSafety) {
  ExcelTrendWizard control;
  IObjectSafety& safety = control;
  Guid riid = Iid(kIPersistPropertyBag);
  std::uint32_t supported = 0, enabled = 0;
  EXPECT_EQ(safety.GetInterfaceSafetyOptions(&riid, &supported, &enabled), err::kS_OK);
  EXPECT_EQ(enabled, 2u);
  EXPECT_EQ(safety.SetInterfaceSafetyOptions(&riid, 2, 2), err::kS_OK);
}

TEST(ObjectSafetyGuid, RegistryTextRoundTripsInUpperCase) {
  auto id = ParseGuid("{37d84f60-42cb-11ce-8135-00aa004bb851}");
  ASSERT_TRUE(id);
  EXPECT_EQ(id->data1, 0x37D84F60u);
  EXPECT_EQ(id->data4[7], 0x51);
  EXPECT_EQ(ToRegistryFormat(*id), "{37D84F60-42CB-11CE-8135-00AA004BB851}");
  EXPECT_EQ(ToRegistryFormat(Iid(std::string(kIID_IObjectSafety).c_str())), kIID_IObjectSafety);
  for (const char* bad :
       {"", "37D84F60-42CB-11CE-8135-00AA004BB851", "{37D84F60-42CB-11CE-8135-00AA004BB85G}",
        "{37D84F60-42CB-11CE-8135+00AA004BB851}", "{37D84F60-42CB-11CE-8135-00AA004BB8510}"})
    EXPECT_FALSE(ParseGuid(bad)) << bad;
}

}  // namespace
}  // namespace velkor
