// The registered class names under which the control creates or finds the
// outside components of the product family.
#pragma once

#include <string_view>

namespace velkor::component {

// The trend chart, embedded as an OLE object on the trend's worksheet.
inline constexpr std::string_view kTrendChartProgId = "ZaltTrend.ZaltTrend.1";
// The archive data control: traces from a server and tag of the archive.
inline constexpr std::string_view kArchiveDataProgId = "ZaltDAArc.ZaltArchiveData";
// The worksheet data control: traces from ranges of cells.
inline constexpr std::string_view kExcelDataProgId = "ZaltDAXL.ZaltExcelData";
// The data-object library's time object, the one object of that library the
// control creates itself (to compare time texts of cells).
inline constexpr std::string_view kTimeObjectProgId = "ZaltDO.ZaltTime";
// The tag-search dialog, created anew for each search. Its late-bound method
// "ShowDialog"(hwndParent As Long) returns a two-dimensional array of the
// chosen points: column 0 the server, column 1 the tag.
inline constexpr std::string_view kTagSearchDialogProgId = "ZaltTagSearch.TagSearchDialog";
inline constexpr std::string_view kTagSearchShowMethod = "ShowDialog";

}  // namespace velkor::component
