#include "tools/examine/TraceTable.h"

#include <utility>

#include "model/TraceFields.h"
#include "model/Traces.h"

namespace velkor::sim::inspect {

namespace {

// Puts the thread's records back however the reading ends.
class KeepTraces {
 public:
  KeepTraces() : saved_(gTraces) {}
  ~KeepTraces() { gTraces = std::move(saved_); }
  KeepTraces(const KeepTraces&) = delete;
  KeepTraces& operator=(const KeepTraces&) = delete;

 private:
  std::vector<TraceOrder> saved_;
};

}  // namespace

TraceTable ReadTraceTable(std::string_view xml, const MemoryLogSink& log) {
  KeepTraces keep;
  TraceTable table;
  for (const auto& field : TraceFieldsInLayoutOrder()) table.columns.emplace_back(field.name);
  const std::size_t logged = log.Lines().size();
  table.outcome = ReadXML(xml);
  const auto lines = log.Lines();
  table.reports.assign(lines.begin() + static_cast<std::ptrdiff_t>(logged), lines.end());
  for (std::int32_t i = 1; i <= TracesUBound(); ++i) {
    std::vector<std::string> row;
    for (const auto& field : TraceFieldsInLayoutOrder())
      row.push_back(FieldText(gTraces[static_cast<std::size_t>(i)], field));
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace velkor::sim::inspect
