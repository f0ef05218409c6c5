// Finding an open workbook of the host by name.
#pragma once

#include <cstdint>
#include <string>

namespace velkor {

// GetWorkbookIndex answers this when no open workbook has the name.
inline constexpr std::int16_t kWorkbookNotOpen = -200;

// The 1-based position in the host's Workbooks of the workbook called `name`
// (trimmed in place; letter case ignored), or kWorkbookNotOpen. Host errors
// go to the caller.
std::int16_t GetWorkbookIndex(std::string& name);

}  // namespace velkor
