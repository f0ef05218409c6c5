#include "control/SlotBindings.h"

namespace velkor::slots {

// Persistence and lifecycle members are reached through the container, not late-bound.
std::span<const Binding> LifecycleBindings() {
  return {};
}

}  // namespace velkor::slots
