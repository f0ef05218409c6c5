#include "parts/csv/CsvLine.h"

namespace velkor::sim::csv {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Reads the quoted field that starts at `pos` (just past the opening quote);
// leaves `pos` past the closing quote.
bool ReadQuoted(std::string_view line, std::size_t& pos, std::string& field) {
  while (pos < line.size()) {
    const char c = line[pos++];
    if (c != '"') {
      field += c;
    } else if (pos < line.size() && line[pos] == '"') {
      field += '"';
      ++pos;
    } else {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

SplitLine SplitCsvLine(std::string_view line) {
  SplitLine out;
  std::size_t pos = 0;
  while (true) {
    std::string field;
    std::size_t start = pos;
    while (start < line.size() && IsBlank(line[start])) ++start;
    if (start < line.size() && line[start] == '"') {
      pos = start + 1;
      if (!ReadQuoted(line, pos, field)) {
        out.error = "a quoted field is not closed";
        return out;
      }
      while (pos < line.size() && IsBlank(line[pos])) ++pos;
      if (pos < line.size() && line[pos] != ',') {
        out.error = "text after a closing quote";
        return out;
      }
    } else {
      const std::size_t comma = line.find(',', pos);
      field =
          std::string(line.substr(pos, comma == std::string_view::npos ? line.npos : comma - pos));
      pos = comma == std::string_view::npos ? line.size() : comma;
    }
    out.fields.push_back(std::move(field));
    if (pos >= line.size()) return out;
    ++pos;  // the comma
  }
}

}  // namespace velkor::sim::csv
