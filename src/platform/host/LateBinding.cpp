#include "platform/host/LateBinding.h"

#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"

namespace velkor::host::late {

namespace {

const Member* Find(std::span<const Member> members, std::string_view name) {
  for (const auto& m : members)
    if (vb::EqualsText(m.name, name)) return &m;
  return nullptr;
}

void CheckCount(const Member& m, std::size_t count) {
  if (count < m.minArgs || count > m.maxArgs) Raise(err::kWrongArgCount);
}

}  // namespace

Variant Dispatch(std::span<const Member> members, std::string_view name, InvokeKind kind,
                 std::span<Variant> args) {
  const Member* m = Find(members, name);
  if (!m) Raise(err::kNoSupport);
  if (kind == InvokeKind::Method || kind == InvokeKind::PropertyGet) {
    if (!m->read) Raise(err::kNoSupport);
    CheckCount(*m, args.size());
    return m->read(args);
  }
  if (!m->write || args.empty()) Raise(err::kNoSupport);
  CheckCount(*m, args.size() - 1);
  m->write(args.first(args.size() - 1), args.back());
  return {};
}

const Variant& Arg(std::span<Variant> args, std::size_t i) {
  static const Variant missing = Variant::Missing();
  return i < args.size() ? args[i] : missing;
}

}  // namespace velkor::host::late
