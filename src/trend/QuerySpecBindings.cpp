#include "control/SlotBindings.h"

namespace velkor::slots {

// Query specifications and the data controls' query objects.
std::span<const Binding> QuerySpecBindings() {
  return {};
}

}  // namespace velkor::slots
