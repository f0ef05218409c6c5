// Taking a cell reference apart. A reference is text of the form
// [workbook]sheet!address, each part optional; the sheet part may be enclosed
// in single quotes. Each function trims its argument in place, so the
// caller's variable holds the trimmed text afterwards.
#pragma once

#include <string>
#include <string_view>

#include "platform/Variant.h"

namespace velkor {

// The workbook part without its brackets, trimmed; "" when there is none. A
// "[" without a closing "]" gives everything after it. Failures are reported
// under "ExtractWorkBookName" and give "".
std::string ExtractWorkBookName(std::string& ref);

// The sheet part without quotes, trimmed; without a "!" the name of the
// active sheet of the host's active workbook. Failures (an unbalanced quote,
// no host) are reported under "GetSheetName" and give the text found so far.
std::string GetSheetName(std::string& ref);

// The address part as an A1 address (a String): an R1C1 address is converted
// by the host, anything the host cannot convert is returned as it was.
Variant GetRangeAddress(std::string& ref);

// GetRangeAddress in its two steps: the address text of a trimmed reference,
// which depends on the text alone, and its conversion by the host, which
// depends on the host's active cell for relative R1C1 addresses.
std::string AddressPart(std::string_view trimmedRef);
Variant ConvertedAddress(const std::string& address);

}  // namespace velkor
