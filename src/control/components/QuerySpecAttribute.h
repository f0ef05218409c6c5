// SpecAttribute: one attribute of a query specification.
#pragma once

#include "platform/Object.h"

namespace velkor::component {

class SpecAttribute : public Object {
 public:
  // The value as stored: a text, a flag, a number or a range reference.
  virtual Variant Value() const = 0;
};

}  // namespace velkor::component
