// Helpers for the late-bound Invoke of the published collection classes.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <utility>

#include "platform/Object.h"
#include "platform/Variant.h"

namespace velkor {

// Member names are matched ignoring letter case, as the runtime does.
bool IsMember(std::string_view member, std::string_view name);

// Wrong number of arguments (450) unless exactly `count` were passed.
void RequireArgs(std::span<Variant> args, std::size_t count);

// Object doesn't support this property or method (438).
[[noreturn]] void RaiseNotSupported();

// A method call or a property get: the two ways a caller reads a member.
inline bool IsRead(InvokeKind kind) {
  return kind == InvokeKind::Method || kind == InvokeKind::PropertyGet;
}

// A Variant property: a read with no argument returns get(); a let with one
// argument calls let(value). Anything else is not supported (438).
template <class Get, class Let>
Variant InvokeProperty(InvokeKind kind, std::span<Variant> args, Get&& get, Let&& let) {
  if (IsRead(kind)) {
    RequireArgs(args, 0);
    return std::forward<Get>(get)();
  }
  if (kind != InvokeKind::PropertyLet) RaiseNotSupported();
  RequireArgs(args, 1);
  std::forward<Let>(let)(args[0]);
  return {};
}

}  // namespace velkor
