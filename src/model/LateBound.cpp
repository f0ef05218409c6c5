#include "model/LateBound.h"

#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"

namespace velkor {

bool IsMember(std::string_view member, std::string_view name) {
  return vb::EqualsText(member, name);
}

void RequireArgs(std::span<Variant> args, std::size_t count) {
  if (args.size() != count) Raise(err::kWrongArgCount);
}

[[noreturn]] void RaiseNotSupported() {
  Raise(err::kNoSupport);
}

}  // namespace velkor
