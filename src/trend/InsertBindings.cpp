#include "control/ExcelTrendWizard.h"
#include "control/SlotBindings.h"
#include "trend/InsertTrend.h"

namespace velkor::slots {

namespace {

const Binding kBindings[] = {
    {"InsertTrend", SlotKind::Method,
     [](ExcelTrendWizard& c, SlotArgs& a) {
       InsertTrend(c, a[0], a.String(1));
       return Variant();
     }},
};

}  // namespace

// Trend insertion.
std::span<const Binding> InsertBindings() {
  return kBindings;
}

}  // namespace velkor::slots
