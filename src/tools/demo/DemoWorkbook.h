// The sample workbook the demo starts from: a set-up sheet whose cells name
// the archive tags, their server and the trend's start time, and a sheet of
// hourly lab readings for a worksheet trace.
#pragma once

#include "platform/Variant.h"
#include "standins/host/VariantJson.h"

namespace velkor::sim::demo {

inline constexpr const char* kDemoBook = "Plant.xlsx";
inline constexpr const char* kSetupSheet = "Setup";
inline constexpr const char* kLabSheet = "Lab";
// The lab readings with their header row, as a range reference.
inline constexpr const char* kLabRange = "Lab!$A$1:$B$9";

// The workbook as a scenario describes one (docs/scenarios.md); the lab
// readings end at `now`.
Json DemoWorkbookSetup(DateValue now);

}  // namespace velkor::sim::demo
