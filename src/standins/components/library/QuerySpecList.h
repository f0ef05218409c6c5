// SimQuerySpecs: the live specification collection of a data control's
// query object. It edits the control's working list, so a removal through
// it follows the control's grouped-change rules.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control/components/QuerySpecs.h"
#include "standins/components/library/QuerySpecStore.h"

namespace velkor::sim {

class SimQuerySpecs : public component::QuerySpecs {
 public:
  explicit SimQuerySpecs(std::shared_ptr<SpecStore> store) : store_(std::move(store)) {}

  std::string TypeName() const override { return "QuerySpecs"; }
  std::int32_t Count() const override;
  // Subscript out of range (9) for a position outside 1..Count;
  // kSpecNotHeld (0x8004F001) for a name that is not held.
  component::QuerySpecPtr Item(const Variant& positionOrName) override;
  // kSpecNotHeld when no query specification has that name.
  void Remove(const std::string& name) override;
  std::vector<component::QuerySpecPtr> Items() const override;

  // "Count", "Item" (also the default member), "Remove", "NewEnum".
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  std::shared_ptr<SpecStore> store_;
};

// The query specification of `positionOrName` in `store`, with the errors of Item above.
SimQuerySpecPtr SpecByPositionOrName(const SpecStore& store, const Variant& positionOrName);
// kSpecNotHeld naming `what`.
[[noreturn]] void RaiseSpecNotHeld(std::string_view what);

}  // namespace velkor::sim
