// TraceOrder: the description of one trace of a trend, as the trace-info
// document holds it.
#pragma once

#include <cstdint>
#include <string>

namespace velkor {

// The member order is the published record layout. The data member named
// like the record is legal only while the struct declares no constructor, so
// it stays an aggregate; inside the struct, after that member, the type must
// be spelled `struct TraceOrder`.
struct TraceOrder {
  std::string WorksheetName;
  std::string DataSourceName;
  std::string TraceName;
  std::string CellRange;
  std::int16_t TraceOrder = 0;  // 1-based position among the chart's traces
  std::int16_t qsIndex = 0;     // the add-in's index of the query specification
  std::string ServerName;
  std::string TagName;
  std::string ServerNameCell;
  std::string TagNameCell;
  std::string State;
  std::string WorkbookName;
  std::string TraceNameCell;

  friend bool operator==(const struct TraceOrder&, const struct TraceOrder&) = default;
};

}  // namespace velkor
