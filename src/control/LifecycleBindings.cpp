#include "control/ExcelTrendWizard.h"
#include "control/SlotBindings.h"

namespace velkor::slots {

namespace {

const Binding kBindings[] = {
    {"Timer_Connect", SlotKind::Method,
     [](ExcelTrendWizard& c, SlotArgs&) { return c.Timer_Connect(); }},
};

}  // namespace

// The container reaches creation, persistence and teardown directly; only
// the reconnection check is published.
std::span<const Binding> LifecycleBindings() {
  return kBindings;
}

}  // namespace velkor::slots
