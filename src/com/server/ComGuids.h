// ComGuids: the library's fixed identifiers (control/ComIdentity.h) in the
// platform's GUID form, and the conversion both ways.
#pragma once

#include <guiddef.h>

#include <cstring>

#include "control/ComIdentity.h"

namespace velkor::com {

inline GUID ToGuid(const Guid& g) {
  GUID out;
  static_assert(sizeof out == sizeof g);
  out.Data1 = g.data1;
  out.Data2 = g.data2;
  out.Data3 = g.data3;
  std::memcpy(out.Data4, g.data4.data(), sizeof out.Data4);
  return out;
}

inline Guid FromGuid(const GUID& g) {
  Guid out;
  out.data1 = g.Data1;
  out.data2 = g.Data2;
  out.data3 = g.Data3;
  std::memcpy(out.data4.data(), g.Data4, sizeof g.Data4);
  return out;
}

inline const GUID kLibId = ToGuid(com_identity::kLibId);
inline const GUID kClsidControl = ToGuid(com_identity::kClsidExcelTrendWizard);
inline const GUID kIidControl = ToGuid(com_identity::kIid_ExcelTrendWizard);
inline const GUID kDiidControlEvents = ToGuid(com_identity::kDiid__ExcelTrendWizard);
inline const GUID kClsidResourceStrings = ToGuid(com_identity::kClsidResourceStrings);
inline const GUID kIidResourceStrings = ToGuid(com_identity::kIid_ResourceStrings);
inline const GUID kSidContainerTimers = ToGuid(com_identity::kSidContainerTimers);
inline const GUID kSidContainerProfiles = ToGuid(com_identity::kSidContainerProfiles);

}  // namespace velkor::com
