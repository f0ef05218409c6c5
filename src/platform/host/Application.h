// Application: the spreadsheet host itself, the root of its object model and
// the source of the application-wide events the control listens to.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Event.h"
#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor::host {

class Application : public Object {
 public:
  std::string TypeName() const override { return "Application"; }

  virtual WorkbooksPtr Workbooks() = 0;
  // Nothing (nullptr) when no workbook is open.
  virtual WorkbookPtr ActiveWorkbook() = 0;
  virtual WorksheetPtr ActiveSheet() = 0;
  virtual RangePtr ActiveCell() = 0;

  // The cells both ranges cover; nullptr when they lie on different sheets or
  // do not overlap.
  virtual RangePtr Intersect(const RangePtr& first, const RangePtr& second) = 0;

  // Converts the references of `formula` between the reference styles kXlA1
  // and kXlR1C1 (HostConstants.h); relative references are taken against the
  // active cell. Text that holds no reference yields ErrorValue{2015}.
  virtual Variant ConvertFormula(const Variant& formula, std::int32_t fromStyle,
                                 std::int32_t toStyle) = 0;

  // Runs a macro of a workbook or add-in by name with up to 30 arguments.
  // Raises 1004 while a cell is being edited or when no such macro exists.
  virtual Variant Run(std::string_view macro, std::vector<Variant> args) = 0;

  virtual LanguageSettingsPtr LanguageSettings() = 0;

  virtual std::int32_t ScreenMousePointer() const = 0;
  virtual void SetScreenMousePointer(std::int32_t pointer) = 0;

  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
  // The four events below by name: "SheetChange", "SheetCalculate",
  // "WorkbookOpen" and "WorkbookBeforeClose".
  EventSubscription ConnectEvents(EventSink sink) override;

  // Application events. A sink is connected while it holds the Connection
  // that Connect returned.
  Event<WorksheetPtr, RangePtr> SheetChange;      // Sh, Target
  Event<WorksheetPtr> SheetCalculate;             // Sh
  Event<WorkbookPtr> WorkbookOpen;                // Wb
  Event<WorkbookPtr, bool&> WorkbookBeforeClose;  // Wb, Cancel
};

}  // namespace velkor::host
