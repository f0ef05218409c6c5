// SimSpecAttribute: one keyed value of a query specification.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "control/components/QuerySpecAttribute.h"

namespace velkor::sim {

class SimSpecAttribute : public component::SpecAttribute {
 public:
  explicit SimSpecAttribute(Variant value) : value_(std::move(value)) {}

  std::string TypeName() const override { return "Attribute"; }
  Variant Value() const override { return value_; }
  void SetValue(Variant value) { value_ = std::move(value); }

  // "Value", also as the default member.
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  Variant value_;
};

}  // namespace velkor::sim
