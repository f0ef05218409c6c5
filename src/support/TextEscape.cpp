#include "support/TextEscape.h"

namespace velkor {

namespace {

struct Escape {
  char raw;
  char code;
};
constexpr Escape kEscapes[] = {{'\n', 'n'}, {'\r', 'r'}, {'\t', 't'}, {'\\', '\\'}};

}  // namespace

std::string EscapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    char code = 0;
    for (const auto& e : kEscapes)
      if (e.raw == c) code = e.code;
    if (code) {
      out += '\\';
      out += code;
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> UnescapeText(std::string_view escaped) {
  std::string out;
  out.reserve(escaped.size());
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      out += escaped[i];
      continue;
    }
    if (++i == escaped.size()) return std::nullopt;
    char raw = 0;
    for (const auto& e : kEscapes)
      if (e.code == escaped[i]) raw = e.raw;
    if (!raw) return std::nullopt;
    out += raw;
  }
  return out;
}

}  // namespace velkor
