#include "sync/TimeRangeCells.h"

#include <optional>

#include "control/ExcelTrendWizard.h"
#include "control/components/ProgIds.h"
#include "control/components/TimeObject.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/os/ObjectFactory.h"
#include "support/ErrorHandling.h"
#include "support/Language.h"
#include "trend/TimeRange.h"

namespace velkor {

namespace {

constexpr std::int32_t kStartBeforeEndId = 50132;
constexpr std::int32_t kTrendUnchangedId = 50137;
constexpr std::int32_t kValidationErrorId = 50046;
constexpr std::int32_t kExclamationOk = 48;

// A bound from its cell when the toggle is on and the event covers the cell.
bool ReadBound(const ExcelTrendWizard& c, const CellScope& scope, bool toggle,
               const std::string& cell, Variant& bound) {
  bound = Variant();
  if (!toggle) return false;
  const CellRead read = scope.Read(c, cell, /*timeCell=*/true);
  if (!read.HasValue()) return false;
  bound = read.value;
  return true;
}

// The time object is made on its first use in an event and dropped with it.
class TimeValues {
 public:
  // Nothing for a text that is no time.
  std::optional<double> Of(const Variant& time) {
    std::optional<double> value;
    TryStep([&] {
      if (!object_) object_ = os::CreateObject(component::kTimeObjectProgId);
      auto converter = ObjectCast<component::TimeObject>(object_);
      if (!converter) Raise(err::kTypeMismatch);
      converter->SetText(CStr(time));
      value = converter->Value();
    });
    return value;
  }

 private:
  ObjectPtr object_;
};

void RefuseRange(ExcelTrendWizard& c) {
  TryStep([&] {
    LoadLanguage(c.LanguageID);
    c.ShellMsgBox(GetString(kStartBeforeEndId) + " " + GetString(kTrendUnchangedId),
                  GetString(kValidationErrorId), kExclamationOk);
  });
}

void SetRange(ExcelTrendWizard& c, SyncEvent& event) {
  bool saved = false;
  TryStep([&] { ZaltSetTimeRange(c, saved, event.StartTime, event.EndTime); });
  event.refresh = true;
}

}  // namespace

void UpdateTimeRangeFromCells(ExcelTrendWizard& c, const CellScope& scope, TimeRangeCheck check,
                              SyncEvent& event) {
  const bool startFromCell =
      ReadBound(c, scope, c.tglStartTime, c.strtxtStartTime, event.StartTime);
  const bool endFromCell = ReadBound(c, scope, c.tglEndTime, c.strtxtEndTime, event.EndTime);
  if (!startFromCell && !endFromCell) return;
  if (check == TimeRangeCheck::Unchecked) return SetRange(c, event);

  TimeValues times;
  bool saved = false;
  Variant omitted = Variant::Missing();
  if (!startFromCell) TryStep([&] { ZaltGetTimeRange(c, saved, event.StartTime, omitted); });
  const std::optional<double> startDate = times.Of(event.StartTime);
  if (!endFromCell) TryStep([&] { ZaltGetTimeRange(c, saved, omitted, event.EndTime); });
  const std::optional<double> endDate = times.Of(event.EndTime);
  // A cell that holds no time is refused like an end not after the start:
  // passed on, the data control would refuse it as a failure. A bound the
  // trend itself cannot supply counts as the earliest time.
  const bool cellsHoldTimes = (!startFromCell || startDate) && (!endFromCell || endDate);
  if (cellsHoldTimes && endDate.value_or(-1.0) > startDate.value_or(-1.0)) {
    if (!endFromCell) event.EndTime = Variant();
    if (!startFromCell) event.StartTime = Variant();
    return SetRange(c, event);
  }
  if (check == TimeRangeCheck::Message) RefuseRange(c);
}

}  // namespace velkor
