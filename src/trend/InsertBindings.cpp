#include "control/SlotBindings.h"

namespace velkor::slots {

// Trend insertion.
std::span<const Binding> InsertBindings() {
  return {};
}

}  // namespace velkor::slots
