#include "model/CellReference.h"

#include <cstdint>

#include "model/Globals.h"
#include "platform/Conversions.h"
#include "platform/VbString.h"
#include "platform/host/Application.h"
#include "platform/host/HostConstants.h"
#include "platform/host/Workbook.h"
#include "platform/host/Worksheet.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

std::string ActiveSheetName() {
  auto book = Deref(gAppExcel).ActiveWorkbook();
  return Deref(Deref(book).ActiveSheet()).Name();
}

// The sheet part of the text before "!", without the workbook part. Quotes
// that enclosed the workbook part too ('[Book 1.xls]Sheet 1') leave only the
// closing quote after the "]"; it is dropped so that the sheet name survives
// instead of coming out empty.
std::string SheetPart(const std::string& beforeBang) {
  const std::int32_t close = vb::InStr(beforeBang, "]");
  if (close == 0) return vb::Trim(beforeBang);
  std::string sheet = vb::Trim(vb::Mid(beforeBang, close + 1));
  const bool quotedWithBook = vb::Left(vb::Trim(beforeBang), 1) == "'";
  const bool onlyClosingQuote = !sheet.empty() && vb::InStr(sheet, "'") == vb::Len(sheet);
  if (quotedWithBook && onlyClosingQuote) sheet = vb::Left(sheet, vb::Len(sheet) - 1);
  return vb::Trim(sheet);
}

// The text between the first quote and the next one. A lone quote makes the
// length negative, which raises Invalid procedure call. A name quoted whole
// keeps the quotes of its own, which the host writes doubled ('O''Brien').
std::string Unquoted(const std::string& sheet) {
  const std::int32_t first = vb::InStr(sheet, "'");
  if (first == 0) return sheet;
  const std::int32_t length = vb::Len(sheet);
  if (first == 1 && length >= 2 && vb::Right(sheet, 1) == "'")
    return vb::Replace(vb::Mid(sheet, 2, length - 2), "''", "'");
  const std::int32_t second = vb::InStr(2, sheet, "'");
  return vb::Mid(sheet, first + 1, second - 2);
}

// The host's answer is usable when it is non-empty text; an error value
// (#VALUE! for text that holds no R1C1 reference), Empty or anything without
// a text form means "not converted".
bool ConvertedText(const Variant& converted, std::string& text) {
  if (converted.IsError()) return false;
  return TryStep([&] { text = CStr(converted); }) && !text.empty();
}

}  // namespace

std::string ExtractWorkBookName(std::string& ref) {
  std::string result;
  RunReported("ExtractWorkBookName", [&] {
    ref = vb::Trim(ref);
    const std::int32_t open = vb::InStr(ref, "[");
    if (open == 0) return;
    std::string inside = vb::Mid(ref, open + 1);
    const std::int32_t close = vb::InStr(inside, "]");
    if (close > 0) inside = vb::Left(inside, close - 1);
    result = vb::Trim(inside);
  });
  return result;
}

std::string GetSheetName(std::string& ref) {
  std::string result;
  RunReported("GetSheetName", [&] {
    ref = vb::Trim(ref);
    const std::int32_t bang = vb::InStr(ref, "!");
    if (bang == 0) {
      result = ActiveSheetName();
      return;
    }
    result = SheetPart(vb::Left(ref, bang - 1));
    result = Unquoted(result);
  });
  return vb::Trim(result);
}

Variant GetRangeAddress(std::string& ref) {
  ref = vb::Trim(ref);
  return ConvertedAddress(AddressPart(ref));
}

std::string AddressPart(std::string_view trimmedRef) {
  const std::int32_t bang = vb::InStr(trimmedRef, "!");
  return vb::Trim(bang == 0 ? std::string(trimmedRef) : vb::Mid(trimmedRef, bang + 1));
}

Variant ConvertedAddress(const std::string& address) {
  Variant converted;
  TryStep([&] {
    converted = Deref(gAppExcel).ConvertFormula(Variant(address), host::kXlR1C1, host::kXlA1);
  });
  std::string text;
  return Variant(ConvertedText(converted, text) ? text : address);
}

}  // namespace velkor
