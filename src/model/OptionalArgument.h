// Testing an optional argument for "not given".
#pragma once

#include "platform/Variant.h"

namespace velkor {

// A Boolean: true for an omitted optional argument or Empty.
inline Variant IsMissingOrEmpty(const Variant& v) {
  return Variant(v.IsMissing() || v.IsEmpty());
}

}  // namespace velkor
