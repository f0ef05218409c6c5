#include "platform/Conversions.h"

#include <cmath>
#include <limits>

#include "platform/DateRange.h"
#include "platform/ErrorNumbers.h"
#include "platform/ScalarValue.h"
#include "platform/VbString.h"

namespace velkor {

namespace {

// The plain value of `v`; Null raises Invalid use of Null (94).
const Variant& NonNullScalar(const Variant& v, Variant& holder) {
  const Variant& s = ScalarValue(v, holder);
  if (s.IsNull()) Raise(err::kInvalidUseOfNull);
  return s;
}

double ParseOrMismatch(const std::string& text) {
  const auto number = ParseNumber(text);
  if (!number) Raise(err::kTypeMismatch);
  if (!std::isfinite(*number)) Raise(err::kOverflow);
  return *number;
}

double NumberOf(const Variant& s) {
  if (s.IsEmpty()) return 0.0;
  if (s.IsString()) return ParseOrMismatch(s.AsString());
  return NumericValue(s);
}

// Banker's rounding, independent of the floating-point environment.
double RoundHalfEven(double x) {
  const double floor = std::floor(x);
  const double fraction = x - floor;
  if (fraction > 0.5) return floor + 1.0;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

template <class Int>
Int ToInteger(double x) {
  if (!std::isfinite(x)) Raise(err::kOverflow);
  const double r = RoundHalfEven(x);
  if (r < std::numeric_limits<Int>::min() || r > std::numeric_limits<Int>::max()) {
    Raise(err::kOverflow);
  }
  return static_cast<Int>(r);
}

std::optional<bool> BooleanWord(const std::string& text) {
  const std::string word = vb::Trim(text);
  if (vb::EqualsText(word, "True")) return true;
  if (vb::EqualsText(word, "False")) return false;
  return std::nullopt;
}

}  // namespace

std::string CStr(const Variant& v) {
  Variant holder;
  const Variant& s = NonNullScalar(v, holder);
  switch (s.type()) {
    case VarType::Empty:
      return {};
    case VarType::Boolean:
      return s.AsBool() ? "True" : "False";
    case VarType::Integer:
      return std::to_string(s.AsInteger());
    case VarType::Long:
      return std::to_string(s.AsLong());
    case VarType::Double:
      return FormatDouble(s.AsDouble());
    case VarType::Date:
      return FormatDate(s.AsDate());
    case VarType::String:
      return s.AsString();
    default:
      Raise(err::kTypeMismatch);
  }
}

bool CBool(const Variant& v) {
  Variant holder;
  const Variant& s = NonNullScalar(v, holder);
  if (s.IsString()) {
    if (const auto word = BooleanWord(s.AsString())) return *word;
  }
  return NumberOf(s) != 0.0;
}

std::int16_t CInt(const Variant& v) {
  Variant holder;
  return ToInteger<std::int16_t>(NumberOf(NonNullScalar(v, holder)));
}

std::int32_t CLng(const Variant& v) {
  Variant holder;
  return ToInteger<std::int32_t>(NumberOf(NonNullScalar(v, holder)));
}

double CDbl(const Variant& v) {
  Variant holder;
  return NumberOf(NonNullScalar(v, holder));
}

DateValue CDate(const Variant& v) {
  Variant holder;
  const Variant& s = NonNullScalar(v, holder);
  if (s.type() == VarType::Date) return s.AsDate();
  if (s.IsString()) {
    const auto date = ParseDate(s.AsString());
    if (!date) Raise(err::kTypeMismatch);
    return *date;
  }
  const double serial = NumberOf(s);
  if (!IsDateInRange(serial)) Raise(err::kOverflow);
  return DateValue{serial};
}

}  // namespace velkor
