// PropertyBag: the container's store of a control's persisted properties.
//
// Two rules belong to the saved format: writing a value equal to the default
// stores nothing, and reading an absent key yields the default given at the
// read.
#pragma once

#include <string_view>

#include "platform/Variant.h"

namespace velkor::host {

class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  virtual Variant ReadProperty(std::string_view name, const Variant& defaultValue) = 0;
  virtual void WriteProperty(std::string_view name, const Variant& value,
                             const Variant& defaultValue) = 0;
};

}  // namespace velkor::host
