// A host session holding a trend on Sheet1 of Book1 as the wizard leaves it:
// archive traces on srv1, their records, and the chart placed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "control/ExcelTrendWizard.h"
#include "unit/lifecycle/TrendHost.h"

namespace velkor::test {

// One archive record on srv1 in the wizard's compact form; its query specification
// index is its place unless given.
struct ArchiveRecord {
  ArchiveRecord(std::string tag, std::int16_t order, std::string tagCell = {},
                std::string serverCell = {}, std::int16_t qsIndex = 0)
      : tag(std::move(tag)),
        order(order),
        qsIndex(qsIndex ? qsIndex : order),
        tagCell(std::move(tagCell)),
        serverCell(std::move(serverCell)) {}
  std::string tag;
  std::int16_t order;
  std::int16_t qsIndex;
  std::string tagCell;
  std::string serverCell;
};

std::string TraceInfoOf(const std::vector<ArchiveRecord>& records);

class SyncHost : public TrendHost {
 protected:
  // Adds an archive trace on srv1 for each record, stores the records and
  // places the chart on Sheet1.
  std::shared_ptr<ExcelTrendWizard> Trend(const std::vector<ArchiveRecord>& records);
  static std::vector<std::string> ArchiveSpecNames(ExcelTrendWizard& c);
  static std::vector<std::string> ChartTraceNames(ExcelTrendWizard& c);
};

}  // namespace velkor::test
