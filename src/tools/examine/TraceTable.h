// A trace-info document read into a table of texts, without disturbing the
// records the controls of the thread are working on.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/TraceInfoXml.h"
#include "standins/MemoryLogSink.h"

namespace velkor::sim::inspect {

struct TraceTable {
  std::vector<std::string> columns;            // the fields in record layout order
  std::vector<std::vector<std::string>> rows;  // one per record, in document order
  ParseOutcome outcome = ParseOutcome::Complete;
  std::vector<std::string> reports;  // what reading wrote to `log`
};

// ReadXML of `xml`; the thread's records are as before afterwards. `log`
// is the sink the installed services report to.
TraceTable ReadTraceTable(std::string_view xml, const MemoryLogSink& log);

}  // namespace velkor::sim::inspect
