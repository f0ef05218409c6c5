// The bindings of published slots to the control's C++ implementation. A
// published slot without a binding is not built yet and answers 438.
#pragma once

#include <span>
#include <string_view>

#include "control/SlotArgs.h"
#include "control/Slots.h"

namespace velkor {
class ExcelTrendWizard;
}

namespace velkor::slots {

// Runs one bound slot with its prepared arguments; returns the value of a Get
// or a function, Empty otherwise.
using BoundCall = Variant (*)(ExcelTrendWizard& control, SlotArgs& args);

struct Binding {
  std::string_view name;  // spelled as in the slot table
  SlotKind kind;
  BoundCall call;
};

std::span<const Binding> Bindings();

// The groups Bindings() joins, one per subsystem, each defined beside the
// code it binds.
std::span<const Binding> AccessorBindings();   // control/SlotBindings.cpp
std::span<const Binding> LifecycleBindings();  // control/LifecycleBindings.cpp
std::span<const Binding> QuerySpecBindings();  // trend/QuerySpecBindings.cpp
std::span<const Binding> TimeRangeBindings();  // trend/TimeRangeBindings.cpp
std::span<const Binding> WizardBindings();     // trend/WizardBindings.cpp
std::span<const Binding> InsertBindings();     // trend/InsertBindings.cpp
std::span<const Binding> SyncBindings();       // sync/SyncBindings.cpp
std::span<const Binding> CommandBindings();    // commands/CommandBindings.cpp
// The binding of `slot`, or nullptr while the slot is not built.
BoundCall FindBinding(const Slot& slot);

}  // namespace velkor::slots
