// ChartTrace: one trace of the chart.
#pragma once

#include "control/components/ComponentFwd.h"
#include "platform/Object.h"

namespace velkor::component {

class ChartTrace : public Object {
 public:
  // The data control that feeds the trace.
  virtual DataSourcePtr DataSource() = 0;
  // The data object behind the trace; its name is the trace's name (for an
  // archive trace "\\server\tag").
  virtual DataObjectPtr DataObject() = 0;
};

}  // namespace velkor::component
