// DataObject: the data-object library's object behind one trace; the data
// controls also pass one with their data-change events.
#pragma once

#include <string>

#include "platform/Object.h"

namespace velkor::component {

class DataObject : public Object {
 public:
  // The trace's name, compared with a trace record's TraceName.
  virtual std::string Name() const = 0;
};

}  // namespace velkor::component
