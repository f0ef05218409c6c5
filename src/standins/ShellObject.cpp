#include "standins/ShellObject.h"

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"
#include "platform/os/MessageBox.h"
#include "platform/os/OsServices.h"

namespace velkor::sim {

namespace {

constexpr std::string_view kDefaultTitle = "Windows Script Host";

const Variant* Optional(std::span<Variant> args, std::size_t index) {
  if (index >= args.size() || args[index].IsMissing()) return nullptr;
  return &args[index];
}

std::int32_t Popup(std::span<Variant> args) {
  if (args.empty() || args.size() > 4 || args[0].IsMissing()) Raise(err::kWrongArgCount);
  const Variant* seconds = Optional(args, 1);
  const Variant* title = Optional(args, 2);
  const Variant* type = Optional(args, 3);
  auto box = os::OsServices().messageBox;  // held: the box may reinstall services
  if (!box) Raise(err::kCannotCreateObject, std::string(ShellObject::kProgId));
  return box->Popup(CStr(args[0]), seconds ? CLng(*seconds) : 0,
                    title ? CStr(*title) : std::string(kDefaultTitle), type ? CLng(*type) : 0);
}

}  // namespace

Variant ShellObject::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (kind == InvokeKind::Method && vb::EqualsText(member, "Popup")) return Variant(Popup(args));
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim
