// Helpers for the late-bound members of the data components, whose optional
// arguments a script may leave out at the end of the list.
#pragma once

#include <cstddef>
#include <span>

#include "platform/Variant.h"

namespace velkor::sim {

// The argument at `index`, or Missing when the caller passed fewer.
inline Variant ArgAt(std::span<Variant> args, std::size_t index) {
  return index < args.size() ? args[index] : Variant::Missing();
}

// Wrong number of arguments (450) unless `min` to `max` were passed.
void RequireArgRange(std::span<Variant> args, std::size_t min, std::size_t max);

// A flag argument: false when omitted, Empty or Null, else CBool.
bool FlagArg(const Variant& value);

}  // namespace velkor::sim
