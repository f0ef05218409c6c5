// The attribute keys of a worksheet specification. The trend control reads
// 10000, 10003, 10005, 10009, 10010 and 10011; the others are the worksheet
// data control's own record of how to read the range again.
#pragma once

#include <cstdint>

namespace velkor::sim::excel_key {

inline constexpr std::int32_t kDataRange = 10000;   // absolute address of the whole range
inline constexpr std::int32_t kTraceIndex = 10001;  // 1-based, among the value columns (rows)
inline constexpr std::int32_t kRowWise = 10002;
inline constexpr std::int32_t kNameFromCell = 10003;
inline constexpr std::int32_t kStepped = 10004;
inline constexpr std::int32_t kStatic = 10005;
inline constexpr std::int32_t kMarkers = 10006;
inline constexpr std::int32_t kNamesFirst = 10007;  // first row (column) holds the names
inline constexpr std::int32_t kSheet = 10009;
inline constexpr std::int32_t kWorkbook = 10010;  // empty: the control's own workbook
inline constexpr std::int32_t kNameCell = 10011;  // "Sheet1!$B$1"

}  // namespace velkor::sim::excel_key
