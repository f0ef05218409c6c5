#include "support/StringLookupObject.h"

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"

namespace velkor {

Variant StringLookupObject::Invoke(std::string_view member, InvokeKind kind,
                                   std::span<Variant> args) {
  // Late-bound callers may ask for a method as a property get; both mean the call.
  bool isCall = kind == InvokeKind::Method || kind == InvokeKind::PropertyGet;
  if (!isCall || !vb::EqualsText(member, "get_string")) return Object::Invoke(member, kind, args);
  if (args.size() != 1 || args[0].IsMissing()) Raise(err::kWrongArgCount);
  return Variant(get_string(CLng(args[0])));
}

}  // namespace velkor
