// QuerySpec: one query specification, the source of one trace.
#pragma once

#include <string>

#include "control/components/ComponentFwd.h"
#include "platform/Object.h"

namespace velkor::component {

class QuerySpec : public Object {
 public:
  // The trace's name; archive specifications are named "\\server\tag".
  virtual std::string Name() const = 0;
  virtual void SetName(const std::string& name) = 0;
  // The specification's attributes, live.
  virtual SpecAttributesPtr Attributes() = 0;
};

}  // namespace velkor::component
