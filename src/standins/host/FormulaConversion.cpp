#include "standins/host/FormulaConversion.h"

#include <optional>
#include <string>
#include <string_view>

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/host/HostConstants.h"
#include "standins/host/CellAddress.h"

namespace velkor::sim {

namespace {

bool IsStyle(std::int32_t style) {
  return style == host::kXlA1 || style == host::kXlR1C1;
}

// The part before the reference that conversion keeps as it is: "=" and a
// sheet prefix up to the last "!".
std::size_t PrefixLength(std::string_view text) {
  auto bang = text.rfind('!');
  if (bang != std::string_view::npos) return bang + 1;
  return (!text.empty() && text.front() == '=') ? 1 : 0;
}

std::optional<AreaRef> Parse(std::string_view ref, bool r1c1, std::int32_t row, std::int32_t col) {
  return r1c1 ? ParseR1C1(ref, row, col) : ParseA1(ref);
}

}  // namespace

Variant ConvertReferenceStyle(const Variant& formula, std::int32_t fromStyle, std::int32_t toStyle,
                              std::int32_t baseRow, std::int32_t baseColumn) {
  if (!IsStyle(fromStyle) || !IsStyle(toStyle)) Raise(err::kAppDefined);
  const Variant kNotAReference = ErrorValue{err::kCellErrorValue};
  if (formula.IsNull() || formula.IsMissing() || formula.IsObject() || formula.IsArray() ||
      formula.IsError())
    return kNotAReference;
  const std::string text = CStr(formula);
  const std::size_t prefix = PrefixLength(text);
  auto ref =
      Parse(std::string_view(text).substr(prefix), fromStyle == host::kXlR1C1, baseRow, baseColumn);
  if (!ref) return kNotAReference;
  std::string converted =
      toStyle == host::kXlR1C1 ? FormatR1C1(*ref, baseRow, baseColumn) : FormatA1(*ref);
  return text.substr(0, prefix) + converted;
}

}  // namespace velkor::sim
