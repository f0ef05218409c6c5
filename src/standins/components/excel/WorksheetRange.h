// Finding the cells a worksheet specification reads: a range text with
// optional workbook and sheet parts ("[Book2.xls]Data!A1:C20",
// "'My Sheet'!B2:D9", "A1:B5"), resolved through the host's object model.
#pragma once

#include <string>
#include <string_view>

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor::sim {

struct RangeLocation {
  std::string book;  // empty: the control's own workbook
  std::string sheet;
  std::string address;
};

// The parts of `text`; an omitted sheet part is `defaultSheet`. Raises 1004
// naming the text for an unclosed quote or bracket or an empty address.
RangeLocation ParseRangeText(std::string_view text, std::string_view defaultSheet);

// The worksheet `sheet` of the open workbook `book` (empty or the own
// workbook's name: `ownBook`). Raises Object not set (91) without a
// workbook, and the host's errors for an unknown workbook or sheet.
host::WorksheetPtr FindSheet(const ObjectPtr& ownBook, std::string_view book,
                             std::string_view sheet);

// The sheet that holds the control `control` in `ownBook`, or the
// workbook's active sheet when the control is on none of its sheets.
std::string HomeSheetName(const ObjectPtr& ownBook, const Object* control);

}  // namespace velkor::sim
