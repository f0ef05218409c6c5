#include "control/ObjectSafety.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/ErrorNumbers.h"

namespace velkor::basSafeCtl {

thread_local bool m_fSafeForScripting = true;
thread_local bool m_fSafeForInitializing = true;

namespace {

constexpr std::uint32_t kSupportedOptions =
    INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;

constexpr std::string_view kIID_IDispatch = "{00020400-0000-0000-C000-000000000046}";
constexpr std::array<std::string_view, 4> kPersistenceIids = {
    "{0000010A-0000-0000-C000-000000000046}",  // IPersistStorage
    "{00000109-0000-0000-C000-000000000046}",  // IPersistStream
    "{37D84F60-42CB-11CE-8135-00AA004BB851}",  // IPersistPropertyBag
    "{7FD52380-4E07-101B-AE2D-08002B2EC713}",  // IPersistStreamInit
};

enum class Concern { Scripting, Initializing, None };

// The interfaces are told apart by their registry text, as the registry and
// the script hosts spell them.
Concern ConcernOf(const Guid& riid) {
  const std::string text = ToRegistryFormat(riid);
  if (text == kIID_IDispatch) return Concern::Scripting;
  if (std::find(kPersistenceIids.begin(), kPersistenceIids.end(), text) != kPersistenceIids.end())
    return Concern::Initializing;
  return Concern::None;
}

struct SafetyRule {
  std::uint32_t option;
  bool safe;
};

SafetyRule RuleFor(Concern concern) {
  if (concern == Concern::Scripting)
    return {INTERFACESAFE_FOR_UNTRUSTED_CALLER, m_fSafeForScripting};
  return {INTERFACESAFE_FOR_UNTRUSTED_DATA, m_fSafeForInitializing};
}

}  // namespace

HRESULT GetInterfaceSafetyOptions(const Guid* riid, std::uint32_t* pdwSupportedOptions,
                                  std::uint32_t* pdwEnabledOptions) {
  if (!pdwSupportedOptions || !pdwEnabledOptions) return err::kE_POINTER;
  *pdwSupportedOptions = kSupportedOptions;
  if (!riid) return err::kS_OK;
  const Concern concern = ConcernOf(*riid);
  if (concern == Concern::None) return err::kE_NOINTERFACE;
  const SafetyRule rule = RuleFor(concern);
  *pdwEnabledOptions = rule.safe ? rule.option : 0;
  return err::kS_OK;
}

HRESULT SetInterfaceSafetyOptions(const Guid* riid, std::uint32_t dwOptionsSetMask,
                                  std::uint32_t dwEnabledOptions) {
  if (!riid) return err::kS_OK;
  const Concern concern = ConcernOf(*riid);
  if (concern == Concern::None) return err::kE_NOINTERFACE;
  const SafetyRule rule = RuleFor(concern);
  const bool exactlyThatOption = (dwOptionsSetMask & dwEnabledOptions) == rule.option;
  return exactlyThatOption && rule.safe ? err::kS_OK : err::kE_FAIL;
}

}  // namespace velkor::basSafeCtl
