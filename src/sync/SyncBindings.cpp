#include "control/SlotBindings.h"

namespace velkor::slots {

// Worksheet synchronization has no published members besides the events.
std::span<const Binding> SyncBindings() {
  return {};
}

}  // namespace velkor::slots
