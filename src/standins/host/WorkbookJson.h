// The workbook file format (docs/workbook-format.md): WorkbookData to JSON
// text and back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "standins/host/WorkbookData.h"

namespace velkor::sim {

inline constexpr const char* kWorkbookFormatName = "velkor-workbook";
inline constexpr int kWorkbookFormatVersion = 1;
// What one object's saved state may hold: far more than any control writes,
// little enough that a control reading all of it stays quick.
inline constexpr std::size_t kMaxObjectProperties = 100000;

// Raises Type mismatch (13) or Overflow (6) for a value a file cannot hold,
// 1004 for text that is not valid UTF-8.
std::string WriteWorkbookJson(const WorkbookData& data);

// Throws FileFormatError naming the place of the first fault: the byte
// offset of a JSON syntax error or the JSON path of a bad field. Unknown
// keys are ignored; a newer version is refused.
WorkbookData ReadWorkbookJson(std::string_view text);

}  // namespace velkor::sim
