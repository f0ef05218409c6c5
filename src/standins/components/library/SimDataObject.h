// SimDataObject: a named data object, handed out for a trace and with a data
// control's data-change event.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "control/components/DataObject.h"
#include "model/LateBound.h"

namespace velkor::sim {

class SimDataObject : public component::DataObject {
 public:
  explicit SimDataObject(std::string name) : name_(std::move(name)) {}

  std::string TypeName() const override { return "DataObject"; }
  std::string Name() const override { return name_; }

  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    if (!IsMember(member, "Name") || !IsRead(kind)) return Object::Invoke(member, kind, args);
    RequireArgs(args, 0);
    return Variant(name_);
  }

 private:
  std::string name_;
};

}  // namespace velkor::sim
