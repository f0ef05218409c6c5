// QuerySpecs: the query specifications of a query object, oldest first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "control/components/ComponentFwd.h"
#include "platform/Object.h"

namespace velkor::component {

class QuerySpecs : public Object {
 public:
  virtual std::int32_t Count() const = 0;
  // A number selects by 1-based position (the newest specification is at
  // Count), a text by specification name. Raises when nothing matches.
  virtual QuerySpecPtr Item(const Variant& positionOrName) = 0;
  // Removes the query specification whose name is `name`; raises when none is.
  virtual void Remove(const std::string& name) = 0;
  // Every specification in collection order, taken when called.
  virtual std::vector<QuerySpecPtr> Items() const = 0;
};

}  // namespace velkor::component
