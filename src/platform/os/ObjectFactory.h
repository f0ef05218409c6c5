// ObjectFactory: CreateObject by ProgID.
#pragma once

#include <string_view>

#include "platform/Object.h"

namespace velkor::os {

class ObjectFactory {
 public:
  virtual ~ObjectFactory() = default;
  // Creates an object of the class registered under `progId` (letter case
  // ignored). Raises ActiveX component can't create object (429) when no
  // class is registered under that name.
  virtual ObjectPtr CreateObject(std::string_view progId) = 0;
};

// CreateObject through the calling thread's factory; 429 when none is installed.
ObjectPtr CreateObject(std::string_view progId);

}  // namespace velkor::os
