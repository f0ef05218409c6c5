// SimSpecAttributes: the keyed attributes of one query specification, in
// the order their keys were first added. Adding a key that is held replaces
// its value in place, so that a caller that writes the same attribute again
// does not leave two values behind one key.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "control/components/QuerySpecAttributes.h"
#include "standins/components/library/QuerySpecAttributeObject.h"

namespace velkor::sim {

class SimSpecAttributes : public component::SpecAttributes {
 public:
  using Entry = std::pair<std::int32_t, std::shared_ptr<SimSpecAttribute>>;

  std::string TypeName() const override { return "Attributes"; }

  // Raises kSpecNotHeld (0x8004F001) naming the key when it is not held.
  component::SpecAttributePtr Item(std::int32_t key) override;
  component::SpecAttributePtr Add(std::int32_t key, const std::string& value) override;

  // Any value, for the data controls' own keys (flags, numbers).
  std::shared_ptr<SimSpecAttribute> Set(std::int32_t key, Variant value);
  // The value of `key`, or nullopt.
  std::optional<Variant> Find(std::int32_t key) const;
  // The value as text or flag; the fallback when the key is not held or
  // its value does not convert.
  std::string TextOr(std::int32_t key, std::string_view fallback) const;
  bool FlagOr(std::int32_t key, bool fallback) const;
  std::int32_t LongOr(std::int32_t key, std::int32_t fallback) const;
  const std::vector<Entry>& Entries() const { return entries_; }

  // "Item" (also the default member), "Add" and "Count".
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  std::shared_ptr<SimSpecAttribute> FindAttribute(std::int32_t key) const;

  std::vector<Entry> entries_;
};

}  // namespace velkor::sim
