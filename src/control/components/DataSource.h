// DataSource: one data control as the chart sees it.
#pragma once

#include <string>

#include "platform/Object.h"

namespace velkor::component {

class DataSource : public Object {
 public:
  // The data control's OLE object name, e.g. "ZaltArchiveData1_Sheet1"; the
  // control matches it with a trace record's DataSourceName and searches it
  // for "ZaltArchiveData" to tell archive traces from worksheet traces.
  virtual std::string Name() const = 0;
};

}  // namespace velkor::component
