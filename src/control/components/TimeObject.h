// TimeObject: the data-object library's converter from time texts (absolute
// dates and relative expressions such as "*-8H") to comparable numbers. The
// control creates it by kTimeObjectProgId.
#pragma once

#include <string>

#include "platform/Object.h"

namespace velkor::component {

class TimeObject : public Object {
 public:
  virtual void SetText(const std::string& timeText) = 0;
  // The date value of the text last set, as a date serial: a later time
  // gives a greater value.
  virtual double Value() const = 0;
};

}  // namespace velkor::component
