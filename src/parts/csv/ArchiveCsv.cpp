#include "parts/csv/ArchiveCsv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "parts/archive/ArchiveNames.h"
#include "parts/csv/CsvLine.h"
#include "parts/csv/CsvText.h"
#include "parts/csv/IsoTimestamp.h"
#include "parts/time/TimeText.h"
#include "platform/DateRange.h"

namespace velkor::sim::csv {

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

struct ColumnSlot {
  std::string_view name;
  std::optional<std::size_t> index;
};

std::optional<double> ParseNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<std::int32_t> ParseStatus(std::string_view text) {
  std::int32_t status = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), status);
  if (ec != std::errc() || end != text.data() + text.size() || status < 0) return std::nullopt;
  return status;
}

std::optional<DateValue> TryTimeText(std::string_view text, DateValue now) {
  try {
    return ParseTimeText(text, now);
  } catch (...) {
    return std::nullopt;
  }
}

std::string Quoted(std::string_view text) {
  return ShownText(text);
}

std::string NameProblem(const char* what, const std::string& name) {
  if (name.empty()) return std::string("the ") + what + " is empty";
  const std::string fault = NameFault(name);
  return fault.empty() ? fault : std::string("the ") + what + " " + Quoted(name) + " " + fault;
}

}  // namespace

std::optional<DateValue> ParseAbsoluteTime(std::string_view text) {
  if (auto iso = ParseIsoTimestamp(text)) return iso;
  // A text that names the same date from two different "now"s does not
  // depend on now.
  const auto first = TryTimeText(text, DateValue{45000.5});
  const auto second = TryTimeText(text, DateValue{46000.25});
  if (!first || !second || first->serial != second->serial) return std::nullopt;
  return first;
}

ArchiveColumns ReadArchiveHeader(const std::vector<std::string>& fields) {
  std::array<ColumnSlot, 5> slots{
      {{"server", {}}, {"tag", {}}, {"time", {}}, {"value", {}}, {"status", {}}}};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string name = Lower(TrimBlanks(fields[i]));
    auto slot = std::find_if(slots.begin(), slots.end(),
                             [&](const ColumnSlot& s) { return s.name == name; });
    if (slot == slots.end())
      throw CsvHeaderError("unknown column " + Quoted(fields[i]) +
                           " (expected server, tag, time, value and optionally status)");
    if (slot->index) throw CsvHeaderError("column " + Quoted(name) + " is named twice");
    slot->index = i;
  }
  for (std::size_t k = 0; k < 4; ++k)
    if (!slots[k].index) throw CsvHeaderError("the header has no column " + Quoted(slots[k].name));
  return {*slots[0].index, *slots[1].index, *slots[2].index,
          *slots[3].index, slots[4].index,  fields.size()};
}

std::variant<ArchiveRow, std::string> ReadArchiveRow(const std::vector<std::string>& fields,
                                                     const ArchiveColumns& columns) {
  if (fields.size() != columns.count)
    return std::to_string(fields.size()) + " fields, expected " + std::to_string(columns.count);
  ArchiveRow row{std::string(TrimBlanks(fields[columns.server])),
                 std::string(TrimBlanks(fields[columns.tag])),
                 {}};
  for (const auto& [what, name] : {std::pair{"server", &row.server}, std::pair{"tag", &row.tag}})
    if (auto problem = NameProblem(what, *name); !problem.empty()) return problem;
  const std::string_view time = TrimBlanks(fields[columns.time]);
  const auto date = ParseAbsoluteTime(time);
  if (!date || !IsDateInRange(date->serial))
    return "time " + Quoted(time) + " is not an absolute date and time";
  row.sample.time = *date;
  const std::string_view value = TrimBlanks(fields[columns.value]);
  row.sample.value = std::numeric_limits<double>::quiet_NaN();
  if (!value.empty()) {
    const auto number = ParseNumber(value);
    if (!number) return "value " + Quoted(value) + " is not a number";
    row.sample.value = *number;
  }
  if (columns.status) {
    const std::string_view status = TrimBlanks(fields[*columns.status]);
    if (!status.empty()) {
      const auto bits = ParseStatus(status);
      if (!bits) return "status " + Quoted(status) + " is not a whole number from 0";
      row.sample.status = *bits;
    }
  }
  return row;
}

}  // namespace velkor::sim::csv
