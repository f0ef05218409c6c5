// Conversions between Variant subtypes with the automation runtime's rules.
//
// Strings: Boolean gives "True"/"False"; Date the en-US general date form
// ("12/7/2026 6:00:00 AM", only the date at midnight, only the time on day
// zero); Double the shortest text that reads back; Empty "".
// Integers: round half to even; out of range raises Overflow (6); text that is
// no number raises Type mismatch (13). Null raises Invalid use of Null (94)
// everywhere except CVar-like copies.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Variant.h"

namespace velkor {

std::string CStr(const Variant& v);
bool CBool(const Variant& v);
std::int16_t CInt(const Variant& v);
std::int32_t CLng(const Variant& v);
double CDbl(const Variant& v);
DateValue CDate(const Variant& v);

// The text forms used by CStr, exposed for the components and the CLI.
std::string FormatDouble(double d);
std::string FormatDate(DateValue d);

// Parses a number as the runtime reads one from text (blanks around it,
// sign, decimal point, exponent, "&H" hex); nullopt when the text is no number.
std::optional<double> ParseNumber(std::string_view text);
// Parses a date text in the en-US forms FormatDate writes, ISO 8601
// ("2026-12-07T06:00:00", "2026-12-07 06:00"), "7-Dec-2026 06:00:00".
std::optional<DateValue> ParseDate(std::string_view text);

// Calendar helpers for dates (naive local time).
struct DateParts {
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};
DateParts SplitDate(DateValue d);
std::optional<DateValue> MakeDate(const DateParts& parts);

// The runtime's comparison operators on Variants. Compare returns -1, 0 or 1,
// or nullopt when either side is Null. Numbers compare numerically; a number
// and a numeric string compare as numbers when the string came from a Variant
// holding a String (the runtime's rule: a String is always greater than a
// number it cannot be read as); Empty equals 0 and "". textCompare ignores
// letter case.
std::optional<int> Compare(const Variant& a, const Variant& b, bool textCompare = false);
// If a = b Then ...: Null compares as not equal.
bool VarEquals(const Variant& a, const Variant& b, bool textCompare = false);

}  // namespace velkor
