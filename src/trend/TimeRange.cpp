#include "trend/TimeRange.h"

#include <string_view>

#include "control/ExcelTrendWizard.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpecs.h"
#include "platform/Conversions.h"
#include "support/ErrorHandling.h"
#include "trend/QuerySpecs.h"

namespace velkor {

namespace {

using component::ArchiveDataControl;
using component::ArchiveDataControlPtr;

// The archive data control held when the call began, provided its query
// holds at least one specification; nullptr otherwise. Reading the query
// object creates a missing archive data control, but a control created that
// way has nothing to set yet.
ArchiveDataControlPtr ControlWithSpecs(ExcelTrendWizard& c) {
  ArchiveDataControlPtr dc = c.m_objZaltArcDC.get();
  component::QueryObjectPtr query = ZaltQueryObject(c);
  std::int32_t n = Deref(Deref(query).QuerySpecs()).Count();
  if (n < 1 || !dc) return nullptr;
  return dc;
}

bool IsOmittedOrEmpty(const Variant& time) {
  return time.IsMissing() || time.IsEmpty();
}

// A time as the data control takes it: text, or Missing for an omitted one,
// so that an omitted time is never passed on as "".
Variant TimeText(const Variant& time) {
  return time.IsMissing() ? Variant::Missing() : Variant(CStr(time));
}

// Missing stands for an omitted argument of the data control's call.
struct TimeBounds {
  Variant start = Variant::Missing();
  Variant end = Variant::Missing();
};

TimeBounds SelectBounds(const Variant& StartTime, const Variant& EndTime) {
  if (StartTime.IsMissing() && EndTime.IsMissing()) return {};
  if (IsOmittedOrEmpty(EndTime)) return {TimeText(StartTime), Variant::Missing()};
  if (IsOmittedOrEmpty(StartTime)) return {Variant::Missing(), TimeText(EndTime)};
  return {TimeText(StartTime), TimeText(EndTime)};
}

template <class Value>
Value ReadOption(ExcelTrendWizard& c, std::string_view procName,
                 Value (ArchiveDataControl::*read)() const) {
  Value value{};
  RunReported(procName, [&] {
    if (const auto& dc = c.m_objZaltArcDC.get()) value = ((*dc).*read)();
  });
  return value;
}

template <class Value>
void WriteOption(ExcelTrendWizard& c, std::string_view procName,
                 void (ArchiveDataControl::*write)(Value), Value value) {
  RunReported(procName, [&] {
    if (const auto& dc = c.m_objZaltArcDC.get()) ((*dc).*write)(value);
  });
}

}  // namespace

void ZaltSetTimeRange(ExcelTrendWizard& c, bool& Temporary, Variant& StartTime, Variant& EndTime) {
  RunReported("ETW_ZaltSetTimeRange", [&] {
    ArchiveDataControlPtr dc = ControlWithSpecs(c);
    if (!dc) return;
    TimeBounds bounds = SelectBounds(StartTime, EndTime);
    dc->SetTimeRange(Temporary, bounds.start, bounds.end, Variant::Missing());
  });
}

void ZaltGetTimeRange(ExcelTrendWizard& c, bool& Temporary, Variant& StartTime, Variant& EndTime) {
  RunReported("ETW_ZaltGetTimeRange", [&] {
    ArchiveDataControlPtr dc = ControlWithSpecs(c);
    if (!dc) return;
    StartTime = Variant();
    EndTime = Variant();
    dc->GetTimeRange(Temporary, StartTime, EndTime, Variant::Missing());
  });
}

bool EnableUpdates(ExcelTrendWizard& c) {
  return ReadOption(c, "Property Get EnableUpdates", &ArchiveDataControl::EnableUpdates);
}

void let_EnableUpdates(ExcelTrendWizard& c, bool vNewValue) {
  WriteOption(c, "Property Let EnableUpdates", &ArchiveDataControl::SetEnableUpdates, vNewValue);
}

bool EnableMarkers(ExcelTrendWizard& c) {
  return ReadOption(c, "Property Get EnableMarkers", &ArchiveDataControl::EnableMarkers);
}

void let_EnableMarkers(ExcelTrendWizard& c, bool vNewValue) {
  WriteOption(c, "Property Let EnableMarkers", &ArchiveDataControl::SetEnableMarkers, vNewValue);
}

std::int32_t ZaltUpdateInterval(ExcelTrendWizard& c) {
  return ReadOption(c, "Property Get ZaltUpdateInterval", &ArchiveDataControl::UpdateInterval);
}

void let_ZaltUpdateInterval(ExcelTrendWizard& c, std::int32_t vNewValue) {
  // The report name's leading blank is the one the logs have always carried.
  WriteOption(c, " Property Let ZaltUpdateInterval", &ArchiveDataControl::SetUpdateInterval,
              vNewValue);
}

}  // namespace velkor
