// TrendChart: the trend chart component as the control drives it. It draws
// the traces that its data sources feed, carries a context menu to which the
// control adds items of its own, and reports the choice of such an item.
#pragma once

#include <cstdint>
#include <string>

#include "control/components/ComponentFwd.h"
#include "platform/Event.h"
#include "platform/Object.h"

namespace velkor::component {

class TrendChart : public Object {
 public:
  // The enabling switch; the control only ever sets it to true, after
  // creating the chart and on every insertion that is not a move.
  virtual void SetEnabled(bool enabled) = 0;

  // The language of the chart's own texts, as a decimal locale identifier
  // ("1033"). The control reads it to avoid setting an unchanged language.
  virtual std::string Language() const = 0;
  virtual void SetLanguage(const std::string& langId) = 0;

  // Adds a user-defined item to the context menu. Returns the item's id,
  // which the control converts to a 32-bit integer and later compares with
  // the id carried by OnUserDefinedMenuItem. An id of 0 means the item was
  // not added.
  virtual Variant AddMenuItem(const std::string& caption) = 0;
  // Shows an item greyed or usable again; ids the chart did not hand out are
  // the chart's own business.
  virtual void DisableMenuItem(std::int32_t itemId) = 0;
  virtual void EnableMenuItem(std::int32_t itemId) = 0;

  // The data controls that feed the chart, by their OLE object names.
  virtual DataSourcesPtr DataSources() = 0;
  // The traces the chart draws, in the chart's own order.
  virtual ChartTracesPtr Traces() = 0;
  // Redraws from the data sources; needed after the sources or the language
  // changed.
  virtual void Refresh() = 0;

  // The chart's property set: a working copy that takes effect only when it
  // is handed back through ApplyPropertySet.
  virtual PropertySetPtr GetPropertySet() = 0;
  virtual void ApplyPropertySet(const PropertySetPtr& properties) = 0;

  // Shows the chart's format dialog, owned by the given window.
  virtual void ShowFormatDialog(std::int32_t ownerWindow) = 0;

  // OnUserDefinedMenuItem by name.
  EventSubscription ConnectEvents(EventSink sink) override;

  // Raised with the id AddMenuItem returned when the user picks that item.
  Event<Variant> OnUserDefinedMenuItem;
};

}  // namespace velkor::component
