// ReadOnlyMember: the late-bound form of a property that can only be read.
#pragma once

#include <span>
#include <utility>

#include "model/LateBound.h"

namespace velkor::sim {

// A read with no argument returns get(); any other use raises 438 (450 for
// arguments).
template <class Get>
Variant ReadOnlyMember(InvokeKind kind, std::span<Variant> args, Get&& get) {
  if (!IsRead(kind)) RaiseNotSupported();
  RequireArgs(args, 0);
  return std::forward<Get>(get)();
}

}  // namespace velkor::sim
