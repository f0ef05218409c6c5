#include "platform/host/LanguageSettings.h"

#include "platform/Conversions.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

Variant LanguageSettings::Invoke(std::string_view member, InvokeKind kind,
                                 std::span<Variant> args) {
  const late::Member members[] = {
      {"LanguageID", 1, 1,
       [this](std::span<Variant> a) { return Variant(LanguageID(CLng(a[0]))); }},
  };
  return late::Dispatch(members, member, kind, args);
}

}  // namespace velkor::host
