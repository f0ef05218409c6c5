#include "standins/components/library/QuerySpecAttributeList.h"

#include "model/LateBound.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

namespace velkor::sim {

component::SpecAttributePtr SimSpecAttributes::Item(std::int32_t key) {
  auto attribute = FindAttribute(key);
  if (!attribute)
    RaiseHResult(err::kSpecNotHeld, "Attributes", "No attribute " + std::to_string(key));
  return attribute;
}

component::SpecAttributePtr SimSpecAttributes::Add(std::int32_t key, const std::string& value) {
  return Set(key, Variant(value));
}

std::shared_ptr<SimSpecAttribute> SimSpecAttributes::Set(std::int32_t key, Variant value) {
  if (auto held = FindAttribute(key)) {
    held->SetValue(std::move(value));
    return held;
  }
  auto attribute = std::make_shared<SimSpecAttribute>(std::move(value));
  entries_.emplace_back(key, attribute);
  return attribute;
}

std::optional<Variant> SimSpecAttributes::Find(std::int32_t key) const {
  auto attribute = FindAttribute(key);
  if (!attribute) return std::nullopt;
  return attribute->Value();
}

std::string SimSpecAttributes::TextOr(std::int32_t key, std::string_view fallback) const {
  auto value = Find(key);
  try {
    if (value) return CStr(*value);
  } catch (const VbError&) {
  }
  return std::string(fallback);
}

bool SimSpecAttributes::FlagOr(std::int32_t key, bool fallback) const {
  auto value = Find(key);
  try {
    if (value && !value->IsEmpty()) return CBool(*value);
  } catch (const VbError&) {
  }
  return fallback;
}

std::int32_t SimSpecAttributes::LongOr(std::int32_t key, std::int32_t fallback) const {
  auto value = Find(key);
  try {
    if (value && !value->IsEmpty()) return CLng(*value);
  } catch (const VbError&) {
  }
  return fallback;
}

Variant SimSpecAttributes::Invoke(std::string_view member, InvokeKind kind,
                                  std::span<Variant> args) {
  if (!IsRead(kind)) return Object::Invoke(member, kind, args);
  if (member.empty() || IsMember(member, "Item")) {
    RequireArgs(args, 1);
    return Variant(Item(CLng(args[0])));
  }
  if (IsMember(member, "Add")) {
    RequireArgs(args, 2);
    return Variant(Set(CLng(args[0]), args[1]));
  }
  if (IsMember(member, "Count")) {
    RequireArgs(args, 0);
    return Variant(static_cast<std::int32_t>(entries_.size()));
  }
  return Object::Invoke(member, kind, args);
}

std::shared_ptr<SimSpecAttribute> SimSpecAttributes::FindAttribute(std::int32_t key) const {
  for (const auto& [k, attribute] : entries_)
    if (k == key) return attribute;
  return nullptr;
}

}  // namespace velkor::sim
