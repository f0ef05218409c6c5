#include "control/SlotBindings.h"

namespace velkor::slots {

// The wizard hand-off and the lookup dialogs.
std::span<const Binding> WizardBindings() {
  return {};
}

}  // namespace velkor::slots
