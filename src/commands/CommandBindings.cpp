#include "commands/DeleteTrend.h"
#include "commands/ReorderTraces.h"
#include "control/ExcelTrendWizard.h"
#include "control/SlotBindings.h"

namespace velkor::slots {

namespace {

const Binding kBindings[] = {
    {"DeleteTrend", SlotKind::Method,
     [](ExcelTrendWizard& c, SlotArgs&) {
       DeleteTrend(c);
       return Variant();
     }},
    {"ReorderTraces", SlotKind::Method,
     [](ExcelTrendWizard& c, SlotArgs&) {
       ReorderTraces(c);
       return Variant();
     }},
};

}  // namespace

// The trend commands: deletion and trace reordering.
std::span<const Binding> CommandBindings() {
  return kBindings;
}

}  // namespace velkor::slots
