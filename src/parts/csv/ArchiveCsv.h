// The archive's CSV layout: a header line naming the columns server, tag,
// time, value and optionally status, in any order and letter case, then one
// sample a line. An empty value is a gap; an empty or missing status is a
// good value.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "parts/archive/ArchiveTypes.h"
#include "platform/Variant.h"

namespace velkor::sim::csv {

// A header the import cannot go on with.
class CsvHeaderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ArchiveColumns {
  std::size_t server = 0, tag = 0, time = 0, value = 0;
  std::optional<std::size_t> status;
  std::size_t count = 0;  // the number of fields every row must have
};

struct ArchiveRow {
  std::string server;
  std::string tag;
  Sample sample;
};

// Throws CsvHeaderError for a missing, repeated or unknown column.
ArchiveColumns ReadArchiveHeader(const std::vector<std::string>& fields);

// The row, or why it cannot be imported.
std::variant<ArchiveRow, std::string> ReadArchiveRow(const std::vector<std::string>& fields,
                                                     const ArchiveColumns& columns);

// A point in time as an import file may give it: an ISO 8601 timestamp
// (IsoTimestamp.h) or an absolute time text (docs/time-syntax.md). Texts that count from now
// ("*-1h", "t", "-2d") are refused: the file would mean something else on each import.
std::optional<DateValue> ParseAbsoluteTime(std::string_view text);

}  // namespace velkor::sim::csv
