// A cell reference with its optional workbook and sheet parts:
// "[Book1.xls]Sheet1!$A$1", "'My Sheet'!B2", "'[My Book.xls]It''s'!C3", "A1".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velkor::sim {

struct SheetReference {
  std::optional<std::string> book;   // without the brackets
  std::optional<std::string> sheet;  // unquoted, '' undone
  std::string address;               // the text after "!" (all of it when there is none)
};

// Splits a reference into its parts; nullopt when a quote or a bracket is not
// closed. The address part is not checked.
std::optional<SheetReference> ParseSheetReference(std::string_view text);

// "Sheet1" or, when the name needs it, "'My Sheet'" with inner quotes doubled.
std::string QuoteSheetName(std::string_view name);

}  // namespace velkor::sim
