// DataSources: the chart's collection of the data controls that feed it.
#pragma once

#include <string>

#include "control/components/ComponentFwd.h"
#include "platform/Object.h"

namespace velkor::component {

class DataSources : public Object {
 public:
  // The data source of that name. A name the chart does not know yields
  // nullptr or raises; the control treats both as "not connected".
  virtual DataSourcePtr Item(const std::string& name) = 0;
  // Makes the data control with the OLE object name `name` feed the chart.
  // The control passes an omitted argument (Variant::Missing()) as `reserved`
  // and true as `connect`; their meaning is the chart's.
  virtual DataSourcePtr Add(const std::string& name, const Variant& reserved, bool connect) = 0;
};

}  // namespace velkor::component
