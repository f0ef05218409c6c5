// PropertySet: a working copy of the chart's display properties; changes
// reach the chart through TrendChart::ApplyPropertySet.
#pragma once

#include <string>

#include "platform/Object.h"

namespace velkor::component {

class PropertySet : public Object {
 public:
  // The trend's title.
  virtual std::string Title() const = 0;
  virtual void SetTitle(const std::string& title) = 0;
  // Whether the chart shows the value attributes of its traces.
  virtual bool ValueAttributes() const = 0;
  virtual void SetValueAttributes(bool visible) = 0;
};

}  // namespace velkor::component
