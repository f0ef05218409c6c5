#include "control/SlotDispatch.h"

#include "control/SlotArgs.h"
#include "control/SlotBindings.h"
#include "control/Slots.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

namespace velkor::slots {

namespace {

SlotKind ToSlotKind(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::PropertyGet:
      return SlotKind::Get;
    case InvokeKind::PropertyLet:
      return SlotKind::Let;
    case InvokeKind::PropertySet:
      return SlotKind::Set;
    case InvokeKind::Method:
      break;
  }
  return SlotKind::Method;
}

// The kind the runtime also accepts when the member lacks the asked one.
SlotKind Alternative(SlotKind kind) {
  switch (kind) {
    case SlotKind::Get:
      return SlotKind::Method;
    case SlotKind::Method:
      return SlotKind::Get;
    case SlotKind::Set:
    case SlotKind::Let:
      break;
  }
  return SlotKind::Let;
}

const Slot& ResolveSlot(std::string_view member, SlotKind kind) {
  const Slot* slot = FindSlot(member, kind);
  if (!slot && kind != SlotKind::Let) slot = FindSlot(member, Alternative(kind));
  // Set reaches a Let only where the Let takes an object.
  if (slot && kind == SlotKind::Set && slot->params.front().type.base != BaseType::Object)
    slot = nullptr;
  if (!slot) Raise(err::kNoSupport, std::string(member));
  return *slot;
}

}  // namespace

Variant DispatchSlot(ExcelTrendWizard& control, std::string_view member, InvokeKind kind,
                     std::span<Variant> args) {
  const Slot& slot = ResolveSlot(member, ToSlotKind(kind));
  BoundCall call = FindBinding(slot);
  if (!call) Raise(err::kNoSupport, std::string(member));
  SlotArgs prepared(slot, args);
  Variant result;
  try {
    result = call(control, prepared);
  } catch (...) {
    prepared.WriteBack(args);
    throw;
  }
  prepared.WriteBack(args);
  return result;
}

}  // namespace velkor::slots
