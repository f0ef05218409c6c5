#include "parts/time/TimeOffsets.h"

#include <optional>
#include <string>

#include "parts/time/TimeTextError.h"
#include "parts/time/TimeTokens.h"

namespace velkor::sim::timetext {

namespace {

std::optional<double> UnitDays(std::string_view unit) {
  if (unit.size() != 1) return std::nullopt;
  switch (unit[0] | 0x20) {  // ASCII lower case
    case 's':
      return 1.0 / 86400.0;
    case 'm':
      return 1.0 / 1440.0;
    case 'h':
      return 1.0 / 24.0;
    case 'd':
      return 1.0;
    case 'w':
      return 7.0;
    default:
      return std::nullopt;
  }
}

std::string Quoted(std::string_view part) {
  std::string out = "\"";
  out.append(part).append("\"");
  return out;
}

// Reads one offset starting at the sign at `pos`; returns its days and moves
// `pos` past it.
double ReadOffset(std::string_view fullText, std::string_view s, std::size_t& pos) {
  const std::size_t start = pos;
  const double sign = s[pos] == '-' ? -1.0 : 1.0;
  pos = SkipBlanks(s, pos + 1);
  const auto number = ReadDecimal(s, pos);
  if (!number) {
    const std::string offset = std::string(1, s[start]).append(WordAt(s, pos));
    RaiseBadTime(fullText, "the offset " + Quoted(offset) + " has no number");
  }
  pos = SkipBlanks(s, pos + number->length);
  const std::string_view unit = WordAt(s, pos);
  const std::string_view offset = s.substr(start, pos + unit.size() - start);
  if (unit.empty()) {
    RaiseBadTime(fullText, "the offset " + Quoted(offset) + " has no unit (s, m, h, d or w)");
  }
  const auto days = UnitDays(unit);
  if (!days) RaiseBadTime(fullText, "unknown unit " + Quoted(unit) + " in " + Quoted(offset));
  pos += unit.size();
  return sign * number->value * *days;
}

}  // namespace

double ReadOffsets(std::string_view fullText, std::string_view offsets) {
  double total = 0.0;
  for (std::size_t pos = SkipBlanks(offsets, 0); pos < offsets.size();
       pos = SkipBlanks(offsets, pos)) {
    if (!IsSign(offsets[pos])) {
      RaiseBadTime(fullText, "expected + or - before " + Quoted(offsets.substr(pos)));
    }
    total += ReadOffset(fullText, offsets, pos);
  }
  return total;
}

}  // namespace velkor::sim::timetext
