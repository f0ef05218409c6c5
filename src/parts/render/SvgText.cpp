#include "parts/render/SvgText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/Utf8.h"

namespace velkor::sim {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr double kNumberLimit = 1e9;

bool IsXmlChar(char32_t c) {
  if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
  return c != 0xFFFE && c != 0xFFFF;
}

void AppendXmlChar(std::string& out, char32_t c) {
  switch (c) {
    case '&':
      out += "&amp;";
      break;
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '"':
      out += "&quot;";
      break;
    case '\'':
      out += "&apos;";
      break;
    // Attribute value normalisation would turn these into blanks.
    case '\t':
      out += "&#9;";
      break;
    case '\n':
      out += "&#10;";
      break;
    case '\r':
      out += "&#13;";
      break;
    default:
      utf8::Append(out, c);
  }
}

}  // namespace

void AppendXmlText(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const utf8::Char c = utf8::Decode(text, i);
    i += c.size;
    const bool wellFormed = c.size > 1 || c.code < 0x80;
    if (!wellFormed) {
      utf8::Append(out, kReplacement);
    } else if (IsXmlChar(c.code)) {
      AppendXmlChar(out, c.code);
    }
  }
}

std::string XmlText(std::string_view text) {
  std::string out;
  AppendXmlText(out, text);
  return out;
}

void AppendNumber(std::string& out, double value) {
  if (!std::isfinite(value)) value = 0.0;
  value = std::clamp(value, -kNumberLimit, kNumberLimit);
  // Round first so that -0.001 does not come out as "-0".
  value = std::round(value * 100.0) / 100.0;
  if (value == 0.0) value = 0.0;
  char buffer[32];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  (void)ec;  // 1e9 with two decimals always fits
  char* last = end;
  while (last[-1] == '0') --last;
  if (last[-1] == '.') --last;
  out.append(buffer, last);
}

std::string Number(double value) {
  std::string out;
  AppendNumber(out, value);
  return out;
}

}  // namespace velkor::sim
