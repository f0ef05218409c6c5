#include "standins/components/library/LateArgs.h"

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"

namespace velkor::sim {

void RequireArgRange(std::span<Variant> args, std::size_t min, std::size_t max) {
  if (args.size() < min || args.size() > max) Raise(err::kWrongArgCount);
}

bool FlagArg(const Variant& value) {
  if (value.IsMissing() || value.IsEmpty() || value.IsNull()) return false;
  return CBool(value);
}

}  // namespace velkor::sim
