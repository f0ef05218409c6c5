// SpecAttributes: the keyed attributes of a query specification. The
// worksheet data control fills keys 10000 to 10011; the control writes the
// quereParam keys 10100 to 10103 on archive specifications.
#pragma once

#include <cstdint>
#include <string>

#include "control/components/ComponentFwd.h"
#include "platform/Object.h"

namespace velkor::component {

class SpecAttributes : public Object {
 public:
  // The attribute with that key; raises when the query specification has none.
  virtual SpecAttributePtr Item(std::int32_t key) = 0;
  // Adds an attribute with a text value.
  virtual SpecAttributePtr Add(std::int32_t key, const std::string& value) = 0;
};

}  // namespace velkor::component
