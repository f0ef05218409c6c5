// Conversions between Variant subtypes with the automation runtime's rules.
//
// Strings: Boolean gives "True"/"False"; Date the en-US general date form
// ("12/7/2026 6:00:00 AM", only the date at midnight, only the time on day
// zero); Double its 15 significant digits ("0.3" for 0.1 + 0.2); Empty "".
// Integers: round half to even; out of range, NaN and infinities raise
// Overflow (6); text that is no number raises Type mismatch (13). Dates
// outside years 100..9999 raise Overflow. Null raises Invalid use of Null
// (94); Missing, error values and arrays raise Type mismatch; an object
// converts its default value, Nothing raises Object not set (91).
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

// Parses a number as the runtime reads one from en-US text (blanks around
// it, a sign before or after it, "$", "(5)" for -5, thousands separators,
// decimal point, exponent, "&H" hex and "&O" octal); nullopt when the text is no number. A number
// too large for a double gives an infinity (the conversions raise Overflow for it), one too small
// 0.
std::optional<double> ParseNumber(std::string_view text);
// Parses a date text in the en-US forms FormatDate writes, ISO 8601
// ("2026-12-07T06:00:00", "2026-12-07 06:00"), "7-Dec-2026 06:00:00",
// "Dec 7, 2026", "6 PM". Two-digit years mean 1930..2029; a text with a time only is
// on day zero. nullopt when the text is no date in years 100..9999.
std::optional<DateValue> ParseDate(std::string_view text);

// Calendar helpers for dates (naive local time). SplitDate rounds to the
// nearest second and raises Overflow (6) outside years 100..9999; MakeDate
// gives nullopt for parts that name no valid date and time.
struct DateParts {
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};
DateParts SplitDate(DateValue d);
std::optional<DateValue> MakeDate(const DateParts& parts);

// The runtime's comparison operators on two Variants. Compare returns -1, 0
// or 1, or nullopt when either side is Null (or a number is NaN). Two numbers
// (Boolean, Integer, Long, Double, Date) compare numerically and two Strings
// as text; a number is always less than a String, even a String that reads
// as a number ("5" > 5); Empty is 0 against a number, "" against a String,
// and equals Empty. An object compares by its default value; Missing, error
// values and arrays raise Type mismatch (13). textCompare ignores letter case.
std::optional<int> Compare(const Variant& a, const Variant& b, bool textCompare = false);
// If a = b Then ...: Null compares as not equal.
bool VarEquals(const Variant& a, const Variant& b, bool textCompare = false);

}  // namespace velkor
