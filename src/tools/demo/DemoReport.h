// The demo's report: one self-contained HTML page with the steps, the chart
// after each step that drew one, the trace records and persisted properties
// of the saved workbook, and the error reports of the session.
#pragma once

#include <string>

#include "tools/demo/DemoRun.h"

namespace velkor::sim::demo {

inline constexpr const char* kReportFile = "report.html";

std::string DemoReportHtml(const DemoResult& result);

}  // namespace velkor::sim::demo
