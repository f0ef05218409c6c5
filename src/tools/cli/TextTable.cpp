#include "tools/cli/TextTable.h"

#include <algorithm>

#include "platform/Utf8.h"

namespace velkor::cli {

namespace {

std::string Visible(const std::string& value) {
  std::string shown;
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20)
      utf8::Append(shown, 0x2400 + byte);
    else if (byte == 0x7f)
      utf8::Append(shown, 0x2421);
    else
      shown += c;
  }
  return shown;
}

}  // namespace

void PrintTable(std::ostream& out, const std::vector<TableRow>& rows, const std::string& indent) {
  if (rows.empty()) return;
  std::vector<TableRow> shown;
  std::vector<std::size_t> widths(rows[0].size(), 0);
  for (const auto& row : rows) {
    TableRow cells;
    for (std::size_t c = 0; c < row.size(); ++c) {
      cells.push_back(Visible(row[c]));
      if (c < widths.size()) widths[c] = std::max(widths[c], utf8::DisplayWidth(cells.back()));
    }
    shown.push_back(std::move(cells));
  }
  for (const auto& row : shown) {
    std::string line = indent;
    for (std::size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size() && c < widths.size())
        line.append(widths[c] - utf8::DisplayWidth(row[c]) + 2, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  }
}

}  // namespace velkor::cli
