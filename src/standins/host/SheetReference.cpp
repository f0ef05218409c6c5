#include "standins/host/SheetReference.h"

#include <cctype>
#include <utility>

namespace velkor::sim {

namespace {

// Splits "[book]sheet" into its parts; false for an unclosed bracket.
bool SplitBookAndSheet(std::string_view text, SheetReference& out) {
  if (!text.empty() && text.front() == '[') {
    auto close = text.find(']');
    if (close == std::string_view::npos) return false;
    out.book = std::string(text.substr(1, close - 1));
    text.remove_prefix(close + 1);
  }
  out.sheet = std::string(text);
  return true;
}

// Reads a quoted prefix "'...'" with doubled quotes inside; returns the
// unquoted text and the position after the closing quote.
std::optional<std::pair<std::string, std::size_t>> ReadQuoted(std::string_view text) {
  std::string inner;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] != '\'') {
      inner += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '\'') {
      inner += '\'';
      ++i;
    } else {
      return std::make_pair(inner, i + 1);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<SheetReference> ParseSheetReference(std::string_view text) {
  SheetReference out;
  if (!text.empty() && text.front() == '\'') {
    auto quoted = ReadQuoted(text);
    if (!quoted || quoted->second >= text.size() || text[quoted->second] != '!')
      return std::nullopt;
    if (!SplitBookAndSheet(quoted->first, out)) return std::nullopt;
    out.address = std::string(text.substr(quoted->second + 1));
    return out;
  }
  auto bang = text.find('!');
  if (bang == std::string_view::npos) {
    if (text.find_first_of("[]'") != std::string_view::npos) return std::nullopt;
    out.address = std::string(text);
    return out;
  }
  if (!SplitBookAndSheet(text.substr(0, bang), out)) return std::nullopt;
  out.address = std::string(text.substr(bang + 1));
  return out;
}

std::string QuoteSheetName(std::string_view name) {
  bool plain = !name.empty() && !std::isdigit(static_cast<unsigned char>(name.front()));
  for (unsigned char c : name)
    if (!(std::isalnum(c) || c == '_' || c == '.' || c >= 0x80)) plain = false;
  if (plain) return std::string(name);
  std::string out = "'";
  for (char c : name) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

}  // namespace velkor::sim
