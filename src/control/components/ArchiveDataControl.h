// ArchiveDataControl: the archive data control as the control drives it. It
// holds one query specification per archive trace, each for one server and
// one tag and named "\\" + server + "\" + tag, and fetches their values over
// one common time range.
#pragma once

#include <cstdint>
#include <string>

#include "control/components/ComponentFwd.h"
#include "platform/Event.h"
#include "platform/Object.h"

namespace velkor::component {

class ArchiveDataControl : public Object {
 public:
  // The language of the control's texts, as a decimal locale identifier; the
  // control also passes "".
  virtual void SetLanguage(const std::string& langId) = 0;

  // Adds a specification for (server, tag) over [startTime, endTime]. The
  // control passes two omitted arguments (Variant::Missing()) as reserved1
  // and reserved2 and 0 as `options`. The result is not used. Raises
  // err::kDuplicateSpec (0x8004F003) when a specification of that name is
  // already held; the control turns that into its duplicate-name message.
  virtual ObjectPtr AddQuerySpec(const std::string& server, const std::string& tag,
                                 const std::string& startTime, const std::string& endTime,
                                 bool markers, const Variant& reserved1, const Variant& reserved2,
                                 std::int32_t options) = 0;
  // Removes the query specification for (server, tag). Raises err::kSpecNotHeld
  // (0x8004F001) when none is held; the control clears that code silently.
  virtual void RemoveQuerySpec(const std::string& server, const std::string& tag) = 0;

  // The data-object library's query object of this control.
  virtual QueryObjectPtr QueryObject() = 0;

  // Changes between the two calls are applied together at the end.
  virtual void BeginGroupedChange() = 0;
  virtual void EndGroupedChange() = 0;
  // Returns to the last applied state.
  virtual void Revert() = 0;
  // Fetches the data of every specification; `mode` is passed through from
  // the control's caller. The result is not used.
  virtual ObjectPtr QueryData(const Variant& mode) = 0;

  // Sets the time range of every specification. `startTime` and `endTime` are
  // time texts or Variant::Missing(); an omitted bound stays as it is. The
  // control passes Variant::Missing() as `reserved`.
  virtual void SetTimeRange(bool temporary, const Variant& startTime, const Variant& endTime,
                            const Variant& reserved) = 0;
  // Writes the current bounds into `startTime` and `endTime`.
  virtual void GetTimeRange(bool temporary, Variant& startTime, Variant& endTime,
                            const Variant& reserved) = 0;

  virtual bool EnableUpdates() const = 0;
  virtual void SetEnableUpdates(bool enable) = 0;
  virtual std::int32_t UpdateInterval() const = 0;
  virtual void SetUpdateInterval(std::int32_t interval) = 0;
  virtual bool EnableMarkers() const = 0;
  virtual void SetEnableMarkers(bool enable) = 0;

  // The bounds a new specification gets, as time texts ("*-8H", "*").
  virtual std::string CurrentStartTime() const = 0;
  virtual std::string CurrentEndTime() const = 0;

  // The status flag the control reads when it decides whether the chart
  // needs a refresh after an insertion.
  virtual bool Status() const = 0;

  // OnDataChange by name.
  EventSubscription ConnectEvents(EventSink sink) override;

  // Raised when the control has new data: the data object and the data mode.
  Event<ObjectPtr, Variant> OnDataChange;
};

}  // namespace velkor::component
