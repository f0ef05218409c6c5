#include "standins/FaultPoints.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <string>

#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

namespace velkor::sim {

namespace {

// Host members by the host's object-model names, component members by the
// component and its member, OS services by their interface.
constexpr std::string_view kPoints[] = {
    "Application.Run",
    "Workbooks.Item",
    "Worksheets.Add",
    "Worksheets.Item",
    "Worksheets.Enumerate",
    "Worksheet.Range",
    "OLEObjects.Add",
    "OLEObjects.Enumerate",
    "OLEObject.Delete",
    "TrendChart.AddMenuItem",
    "TrendChart.DataSources",
    "TrendChart.Traces",
    "TrendChart.Refresh",
    "TrendChart.GetPropertySet",
    "TrendChart.ApplyPropertySet",
    "Traces.Count",
    "Traces.Item",
    "ArchiveData.AddQuerySpec",
    "ArchiveData.RemoveQuerySpec",
    "ArchiveData.QueryObject",
    "ArchiveData.Revert",
    "ArchiveData.QueryData",
    "ArchiveData.SetTimeRange",
    "ArchiveData.GetTimeRange",
    "ArchiveData.EnableUpdates",
    "ArchiveData.SetEnableUpdates",
    "ArchiveData.EnableMarkers",
    "ArchiveData.SetEnableMarkers",
    "ArchiveData.UpdateInterval",
    "ArchiveData.SetUpdateInterval",
    "ExcelData.AddQuerySpecs",
    "ExcelData.RemoveQuerySpec",
    "ExcelData.QueryObject",
    "ExcelData.QueryData",
    "QuerySpecs.Count",
    "QuerySpecs.Item",
    "TimeObject.Value",
    "TagSearchDialog.ShowDialog",
    "MessageBox.Popup",
    "ProfileFiles.Exists",
    "ProfileFiles.ReadString",
    "ProfileFiles.ReadSection",
};

struct Armed {
  std::int32_t error = 0;
  std::int32_t count = 0;
  std::int32_t after = 0;
};

thread_local std::map<std::string, Armed, std::less<>> tArmed;
thread_local bool tCounting = false;
thread_local std::map<std::string, std::int64_t, std::less<>> tCalls;

void Count(std::string_view point) {
  auto found = tCalls.find(point);
  if (found == tCalls.end()) found = tCalls.emplace(std::string(point), 0).first;
  ++found->second;
}

}  // namespace

std::span<const std::string_view> KnownFaultPoints() {
  return kPoints;
}

bool IsKnownFaultPoint(std::string_view point) {
  return std::find(std::begin(kPoints), std::end(kPoints), point) != std::end(kPoints);
}

void ArmFault(std::string_view point, std::int32_t error, std::int32_t count, std::int32_t after) {
  if (!IsKnownFaultPoint(point) || count < 0 || after < 0)
    Raise(err::kInvalidProcedureCall, "FaultPoints", "no fault point '" + std::string(point) + "'");
  if (count == 0)
    tArmed.erase(std::string(point));
  else
    tArmed.insert_or_assign(std::string(point), Armed{error, count, after});
}

void ClearFaults() {
  tArmed.clear();
  tCounting = false;
  tCalls.clear();
}

void CountFaultPointCalls() {
  tCounting = true;
}

std::int64_t FaultPointCalls(std::string_view point) {
  const auto found = tCalls.find(point);
  return found == tCalls.end() ? 0 : found->second;
}

void ThrowIfArmed(std::string_view point) {
  if (tCounting) Count(point);
  const auto found = tArmed.find(point);
  if (found == tArmed.end()) return;
  Armed& armed = found->second;
  if (armed.after > 0) {
    --armed.after;
    return;
  }
  const std::int32_t error = armed.error;
  if (--armed.count <= 0) tArmed.erase(found);
  errno = EIO;
  if (error < 0) RaiseHResult(error, std::string(point));
  Raise(error, std::string(point));
}

}  // namespace velkor::sim
