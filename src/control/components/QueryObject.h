// QueryObject: the data-object library's query object that each data
// control exposes; it holds the control's query specifications.
#pragma once

#include "control/components/ComponentFwd.h"
#include "platform/Object.h"

namespace velkor::component {

class QueryObject : public Object {
 public:
  // The specification collection, live: changes through it change the query.
  virtual QuerySpecsPtr QuerySpecs() = 0;
  // Gives the worksheet query object the worksheet data control's current
  // data provider, so that the next re-query reads the current cells.
  virtual void SetDataProvider(const DataProviderPtr& provider) = 0;
};

}  // namespace velkor::component
