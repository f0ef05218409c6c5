#include "control/ExcelTrendWizard.h"
#include "control/SlotBindings.h"
#include "model/Servers.h"
#include "model/ZaltPoints.h"
#include "trend/TagSearch.h"
#include "trend/WizardHandOff.h"

namespace velkor::slots {

namespace {

using C = ExcelTrendWizard;
constexpr SlotKind kMethod = SlotKind::Method;

const Binding kBindings[] = {
    {"ShowWizard", kMethod,
     [](C& c, SlotArgs& a) {
       ShowWizard(c, a.Long(0));
       return Variant();
     }},
    {"ZaltShowTagSearchDlg", kMethod,
     [](C& c, SlotArgs& a) { return Variant(ZaltShowTagSearchDlg(c, a.Long(0))); }},
    {"ZaltGetKnownServers", kMethod,
     [](C& c, SlotArgs&) { return Variant(ZaltGetKnownServers(c)); }},
};

}  // namespace

// The wizard hand-off and the lookup dialogs.
std::span<const Binding> WizardBindings() {
  return kBindings;
}

}  // namespace velkor::slots
