// The trend's time range and the archive data control's update options. The
// values live in the archive data control; these members pass them through
// and do nothing while that control is missing.
#pragma once

#include <cstdint>

#include "platform/Variant.h"

namespace velkor {

class ExcelTrendWizard;

// Sets the time range of every archive trace. An omitted (Missing) time is
// not passed on; with only one time given the other bound stays as it is. No
// time is set while the archive data control holds no query specification.
void ZaltSetTimeRange(ExcelTrendWizard& c, bool& Temporary, Variant& StartTime, Variant& EndTime);
// Fills StartTime and EndTime with the archive data control's range; leaves
// them as they were while it holds no query specification.
void ZaltGetTimeRange(ExcelTrendWizard& c, bool& Temporary, Variant& StartTime, Variant& EndTime);

bool EnableUpdates(ExcelTrendWizard& c);
void let_EnableUpdates(ExcelTrendWizard& c, bool vNewValue);
bool EnableMarkers(ExcelTrendWizard& c);
void let_EnableMarkers(ExcelTrendWizard& c, bool vNewValue);
std::int32_t ZaltUpdateInterval(ExcelTrendWizard& c);
void let_ZaltUpdateInterval(ExcelTrendWizard& c, std::int32_t vNewValue);

}  // namespace velkor
