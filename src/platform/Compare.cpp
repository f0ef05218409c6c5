#include <cmath>

#include "platform/Conversions.h"
#include "platform/ScalarValue.h"
#include "platform/VbString.h"

namespace velkor {

namespace {

enum class Kind { Empty, Number, String };

Kind KindOf(const Variant& v) {
  if (v.IsEmpty()) return Kind::Empty;
  if (v.IsString()) return Kind::String;
  return Kind::Number;
}

template <class T>
int Order(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

std::optional<int> CompareNumbers(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::nullopt;
  return Order(a, b);
}

int CompareStrings(const std::string& a, const std::string& b, bool textCompare) {
  // Byte order of UTF-8 is code point order.
  return textCompare ? vb::CompareText(a, b) : Order(a, b);
}

const std::string& TextOf(const Variant& v) {
  static const std::string empty;
  return v.IsEmpty() ? empty : v.AsString();
}

double NumberOf(const Variant& v) {
  return v.IsEmpty() ? 0.0 : NumericValue(v);
}

}  // namespace

std::optional<int> Compare(const Variant& a, const Variant& b, bool textCompare) {
  Variant holderA;
  Variant holderB;
  const Variant& x = ScalarValue(a, holderA);
  const Variant& y = ScalarValue(b, holderB);
  if (x.IsNull() || y.IsNull()) return std::nullopt;
  const Kind kx = KindOf(x);
  const Kind ky = KindOf(y);
  if (kx == Kind::Number && ky == Kind::String) return -1;
  if (kx == Kind::String && ky == Kind::Number) return 1;
  if (kx == Kind::String || ky == Kind::String) {
    return CompareStrings(TextOf(x), TextOf(y), textCompare);
  }
  return CompareNumbers(NumberOf(x), NumberOf(y));
}

bool VarEquals(const Variant& a, const Variant& b, bool textCompare) {
  return Compare(a, b, textCompare) == 0;
}

}  // namespace velkor
