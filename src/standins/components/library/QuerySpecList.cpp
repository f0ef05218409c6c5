#include "standins/components/library/QuerySpecList.h"

#include "model/LateBound.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "standins/FaultPoints.h"

namespace velkor::sim {

SimQuerySpecPtr SpecByPositionOrName(const SpecStore& store, const Variant& positionOrName) {
  if (positionOrName.IsString()) {
    auto spec = store.Find(positionOrName.AsString());
    if (!spec) RaiseSpecNotHeld(positionOrName.AsString());
    return spec;
  }
  std::int32_t position = CLng(positionOrName);
  auto spec = position >= 1 ? store.At(static_cast<std::size_t>(position - 1)) : nullptr;
  if (!spec) Raise(err::kSubscriptOutOfRange);
  return spec;
}

void RaiseSpecNotHeld(std::string_view what) {
  RaiseHResult(err::kSpecNotHeld, "QuerySpecs", "No query specification " + std::string(what));
}

std::int32_t SimQuerySpecs::Count() const {
  ThrowIfArmed("QuerySpecs.Count");
  return static_cast<std::int32_t>(store_->Working().size());
}

component::QuerySpecPtr SimQuerySpecs::Item(const Variant& positionOrName) {
  ThrowIfArmed("QuerySpecs.Item");
  return SpecByPositionOrName(*store_, positionOrName);
}

void SimQuerySpecs::Remove(const std::string& name) {
  auto spec = store_->Find(name);
  if (!spec) RaiseSpecNotHeld(name);
  store_->Remove(spec);
}

std::vector<component::QuerySpecPtr> SimQuerySpecs::Items() const {
  return {store_->Working().begin(), store_->Working().end()};
}

Variant SimQuerySpecs::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (!IsRead(kind)) return Object::Invoke(member, kind, args);
  if (IsMember(member, "Count")) {
    RequireArgs(args, 0);
    return Variant(Count());
  }
  if (member.empty() || IsMember(member, "Item")) {
    RequireArgs(args, 1);
    return Variant(Item(args[0]));
  }
  if (IsMember(member, "Remove")) {
    RequireArgs(args, 1);
    Remove(CStr(args[0]));
    return {};
  }
  if (IsMember(member, "NewEnum") || IsMember(member, "_NewEnum")) {
    RequireArgs(args, 0);
    auto items = Items();
    return Variant(SafeArray(std::vector<Variant>(items.begin(), items.end())));
  }
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim
