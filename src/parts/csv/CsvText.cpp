#include "parts/csv/CsvText.h"

#include <cstdio>

#include "platform/Utf8.h"

namespace velkor::sim::csv {

namespace {

bool IsMalformed(const utf8::Char& c) {
  return c.size == 1 && c.code >= 0x80;
}

void AppendEscaped(std::string& out, unsigned char byte) {
  char code[8];
  std::snprintf(code, sizeof code, "\\x%02X", byte);
  out += code;
}

}  // namespace

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const utf8::Char c = utf8::Decode(text, i);
    if (IsMalformed(c)) return false;
    i += c.size;
  }
  return true;
}

std::string ShownText(std::string_view text, std::size_t maxChars) {
  std::string out = "'";
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++chars) {
    if (chars == maxChars) {
      out += "...";
      break;
    }
    const utf8::Char c = utf8::Decode(text, i);
    if (IsMalformed(c) || c.code < 0x20 || c.code == 0x7F)
      AppendEscaped(out, static_cast<unsigned char>(text[i]));
    else
      out.append(text.substr(i, c.size));
    i += c.size;
  }
  return out + "'";
}

}  // namespace velkor::sim::csv
