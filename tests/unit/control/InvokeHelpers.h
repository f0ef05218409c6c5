// Late-bound calls on a control, as a script would make them.
#pragma once

#include <string_view>
#include <vector>

#include "platform/Object.h"

namespace velkor::test {

inline Variant GetProp(Object& o, std::string_view name) {
  return o.Invoke(name, InvokeKind::PropertyGet, {});
}

inline void LetProp(Object& o, std::string_view name, Variant value) {
  Variant args[] = {std::move(value)};
  o.Invoke(name, InvokeKind::PropertyLet, args);
}

inline Variant CallMethod(Object& o, std::string_view name, std::vector<Variant>& args) {
  return o.Invoke(name, InvokeKind::Method, args);
}

}  // namespace velkor::test
