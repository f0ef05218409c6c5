#include "control/ExcelTrendWizard.h"
#include "control/SlotBindings.h"
#include "control/components/QueryObject.h"
#include "trend/QuerySpecs.h"

namespace velkor::slots {

namespace {

using C = ExcelTrendWizard;
constexpr SlotKind kGet = SlotKind::Get;
constexpr SlotKind kMethod = SlotKind::Method;

// Argument positions follow the slot table; by-reference arguments changed
// here (the trimmed server and tag) go back to the caller from SlotArgs.
const Binding kBindings[] = {
    {"ExcelRemoveQuerySpec", kMethod,
     [](C& c, SlotArgs& a) {
       ExcelRemoveQuerySpec(c, a[0]);
       return Variant();
     }},
    {"ExcelAddQuerySpecs", kMethod,
     [](C& c, SlotArgs& a) {
       ExcelAddQuerySpecs(c, a.String(0), a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
       return Variant();
     }},
    {"ZaltRemoveQuerySpec", kMethod,
     [](C& c, SlotArgs& a) {
       ZaltRemoveQuerySpec(c, a[0]);
       return Variant();
     }},
    {"ZaltAddQuerySpec", kMethod,
     [](C& c, SlotArgs& a) {
       ZaltAddQuerySpec(c, a.String(0), a.String(1), a[2], a[3], a[4], a[5], a.Boolean(6));
       return Variant();
     }},
    {"ZaltRevert", kMethod,
     [](C& c, SlotArgs&) {
       ZaltRevert(c);
       return Variant();
     }},
    {"ZaltQueryObject", kGet, [](C& c, SlotArgs&) { return Variant(ZaltQueryObject(c)); }},
    {"ExcelQueryObject", kGet, [](C& c, SlotArgs&) { return Variant(ExcelQueryObject(c)); }},
    {"QueryData", kMethod,
     [](C& c, SlotArgs& a) {
       QueryData(c, a.Long(0));
       return Variant();
     }},
};

}  // namespace

// Query specifications and the data controls' query objects.
std::span<const Binding> QuerySpecBindings() {
  return kBindings;
}

}  // namespace velkor::slots
