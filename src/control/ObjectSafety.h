// Scripting safety: the IObjectSafety interface through which script hosts
// ask whether a control may be scripted and initialized from persisted data
// by untrusted parties, and the module-wide answers of this library.
#pragma once

#include <cstdint>
#include <string_view>

#include "control/Guid.h"
#include "platform/VbError.h"

namespace velkor {

inline constexpr std::string_view kIID_IObjectSafety = "{CB5BDC81-93C1-11CF-8F20-00805F2CD064}";

// Option bits.
inline constexpr std::uint32_t INTERFACESAFE_FOR_UNTRUSTED_CALLER = 1;
inline constexpr std::uint32_t INTERFACESAFE_FOR_UNTRUSTED_DATA = 2;

class IObjectSafety {
 public:
  virtual ~IObjectSafety() = default;
  // Writes the supported options (always 3) and, for a recognised interface,
  // the enabled ones. A null `riid` succeeds without writing the enabled
  // options. E_NOINTERFACE for an interface this control does not vouch for,
  // E_POINTER for a null output pointer.
  virtual HRESULT GetInterfaceSafetyOptions(const Guid* riid, std::uint32_t* pdwSupportedOptions,
                                            std::uint32_t* pdwEnabledOptions) = 0;
  // Succeeds when the requested options are exactly the one the interface
  // concerns and the control is safe for it; E_FAIL otherwise, E_NOINTERFACE
  // for an unrecognised interface. Changes nothing.
  virtual HRESULT SetInterfaceSafetyOptions(const Guid* riid, std::uint32_t dwOptionsSetMask,
                                            std::uint32_t dwEnabledOptions) = 0;
};

namespace basSafeCtl {

// Whether this thread's controls may be scripted, and initialized, by
// untrusted parties. Every thread starts with both True, as the library's
// start-up sets them.
extern thread_local bool m_fSafeForScripting;
extern thread_local bool m_fSafeForInitializing;

// The answers every control of the library gives through IObjectSafety.
HRESULT GetInterfaceSafetyOptions(const Guid* riid, std::uint32_t* pdwSupportedOptions,
                                  std::uint32_t* pdwEnabledOptions);
HRESULT SetInterfaceSafetyOptions(const Guid* riid, std::uint32_t dwOptionsSetMask,
                                  std::uint32_t dwEnabledOptions);

}  // namespace basSafeCtl

}  // namespace velkor
