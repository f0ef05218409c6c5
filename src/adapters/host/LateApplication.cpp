#include "adapters/host/LateApplication.h"

#include "adapters/LateEvents.h"
#include "platform/Conversions.h"
#include "platform/EventsByName.h"
#include "platform/VbString.h"
#include "platform/host/HostModel.h"

namespace velkor::adapters {

LateApplication::LateApplication(ObjectPtr target) : Adapted(std::move(target)) {
  SheetChange.OnFirstConnect([this] { Subscribe(); });
  SheetCalculate.OnFirstConnect([this] { Subscribe(); });
  WorkbookOpen.OnFirstConnect([this] { Subscribe(); });
  WorkbookBeforeClose.OnFirstConnect([this] { Subscribe(); });
}

void LateApplication::Subscribe() {
  SubscribeOnce(*this, subscription_,
                [](LateApplication& app, std::string_view name, std::span<Variant> args) {
                  app.Deliver(name, args);
                });
}

void LateApplication::Deliver(std::string_view event, std::span<Variant> args) {
  if (vb::EqualsText(event, "SheetChange")) events::RaiseFromNamed(SheetChange, args);
  if (vb::EqualsText(event, "SheetCalculate")) events::RaiseFromNamed(SheetCalculate, args);
  if (vb::EqualsText(event, "WorkbookOpen")) events::RaiseFromNamed(WorkbookOpen, args);
  if (vb::EqualsText(event, "WorkbookBeforeClose"))
    events::RaiseFromNamed(WorkbookBeforeClose, args);
}

host::WorkbooksPtr LateApplication::Workbooks() {
  return GetAs<host::Workbooks>("Workbooks");
}

host::WorkbookPtr LateApplication::ActiveWorkbook() {
  return GetAs<host::Workbook>("ActiveWorkbook");
}

host::WorksheetPtr LateApplication::ActiveSheet() {
  return GetAs<host::Worksheet>("ActiveSheet");
}

host::RangePtr LateApplication::ActiveCell() {
  return GetAs<host::Range>("ActiveCell");
}

host::RangePtr LateApplication::Intersect(const host::RangePtr& first,
                                          const host::RangePtr& second) {
  return CallAs<host::Range>("Intersect", first, second);
}

Variant LateApplication::ConvertFormula(const Variant& formula, std::int32_t fromStyle,
                                        std::int32_t toStyle) {
  return Call("ConvertFormula", formula, fromStyle, toStyle);
}

Variant LateApplication::Run(std::string_view macro, std::vector<Variant> args) {
  args.insert(args.begin(), Variant(macro));
  return Target()->Invoke("Run", InvokeKind::Method, args);
}

host::LanguageSettingsPtr LateApplication::LanguageSettings() {
  return GetAs<host::LanguageSettings>("LanguageSettings");
}

// The pointer belongs to the control's runtime rather than to the host's
// object model; a host without the member refuses it (438), which the one
// caller ignores.
std::int32_t LateApplication::ScreenMousePointer() const {
  return CLng(Get("ScreenMousePointer"));
}

void LateApplication::SetScreenMousePointer(std::int32_t pointer) {
  Let("ScreenMousePointer", pointer);
}

}  // namespace velkor::adapters
