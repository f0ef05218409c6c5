// ExcelDataControl: the worksheet data control as the control drives it. It
// holds query specifications for ranges of cells, one per trace found in a
// range, and reads their values from the workbook.
#pragma once

#include <string>

#include "control/components/ComponentFwd.h"
#include "platform/Event.h"
#include "platform/Object.h"

namespace velkor::component {

class ExcelDataControl : public Object {
 public:
  // The language of the control's texts, as a decimal locale identifier; the
  // control also passes "".
  virtual void SetLanguage(const std::string& langId) = 0;

  // Adds one specification per trace found in the range `queryRange`. The
  // flags are passed on as the control's caller gave them; the control passes
  // Variant::Missing() as `reserved` and false as `option`. The result is not
  // used.
  virtual ObjectPtr AddQuerySpecs(const std::string& queryRange, const Variant& firstRowColHasNames,
                                  const Variant& rangeIsRowWise, const Variant& stepped,
                                  const Variant& rangeIsStatic, const Variant& markers,
                                  const Variant& reserved, bool option) = 0;
  // Removes a specification by name or 1-based position, as the control's
  // caller gave it.
  virtual void RemoveQuerySpec(const Variant& item) = 0;

  // The data-object library's query object of this control.
  virtual QueryObjectPtr QueryObject() = 0;

  // Changes between the two calls are applied together at the end.
  virtual void BeginGroupedChange() = 0;
  virtual void EndGroupedChange() = 0;

  // Two switches the control only ever sets to true: the first when the data
  // control is created or bound again, the second right after it and after
  // every re-read of edited ranges. Their meaning is the data control's.
  virtual void SetFirstSwitch(bool on) = 0;
  virtual void SetSecondSwitch(bool on) = 0;

  // Reads the ranges of the specifications; `mode` is passed through from
  // the control's caller and `option` is true. The result is not used.
  virtual ObjectPtr QueryData(const Variant& mode, bool option) = 0;
  // Reads the range of the query specification that owns `attributes` again.
  virtual void RereadSpec(const SpecAttributesPtr& attributes) = 0;
  // The provider the worksheet query object is given before a re-query.
  virtual DataProviderPtr DataProvider() = 0;

  // OnDataChange by name.
  EventSubscription ConnectEvents(EventSink sink) override;

  // Raised when the control has new data: the data object and the data mode.
  Event<ObjectPtr, Variant> OnDataChange;
};

}  // namespace velkor::component
