#include "control/SlotBindings.h"

namespace velkor::slots {

// The trend commands: deletion and trace reordering.
std::span<const Binding> CommandBindings() {
  return {};
}

}  // namespace velkor::slots
