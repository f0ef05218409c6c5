#include "control/SlotBindings.h"

namespace velkor::slots {

// The time range and the trend options.
std::span<const Binding> TimeRangeBindings() {
  return {};
}

}  // namespace velkor::slots
