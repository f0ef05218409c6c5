// ChartTraces: the traces a chart draws, in the chart's order.
#pragma once

#include <cstdint>

#include "control/components/ComponentFwd.h"
#include "platform/Object.h"

namespace velkor::component {

class ChartTraces : public Object {
 public:
  virtual std::int32_t Count() const = 0;
  // The trace at a 1-based position; a position outside 1..Count raises.
  virtual ChartTracePtr Item(std::int32_t position) = 0;
  // Puts the traces into a new order. `order` holds an array of 32-bit
  // integers with lower bound 0 and Count entries; entry k is the current
  // 1-based position of the trace that is to stand at place k+1.
  virtual void Reorder(const Variant& order) = 0;
};

}  // namespace velkor::component
