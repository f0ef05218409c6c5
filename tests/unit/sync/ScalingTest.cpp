// Growth of the work one operation does with the size of the trend, counted
// rather than timed: the calls of the chart's trace collection and the
// host's lookups, at 100 and at 1000 traces. Ten times the traces may cost
// about ten times the calls, never a hundred.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "commands/ReorderTraces.h"
#include "platform/host/Application.h"
#include "standins/FaultPoints.h"
#include "standins/host/SimWorkbook.h"
#include "trend/InsertTrend.h"
#include "trend/QuerySpecs.h"
#include "unit/sync/SyncHost.h"

namespace velkor::test {
namespace {

constexpr std::string_view kCounted[] = {"Traces.Count", "Traces.Item", "Workbooks.Item",
                                         "Worksheets.Item", "Worksheet.Range"};

using Calls = std::map<std::string, std::int64_t>;

class ScalingTest : public SyncHost {
 protected:
  // A trend of `n` archive traces whose tags come from column `column` of
  // Sheet1, its specifications added as one grouped change.
  std::shared_ptr<ExcelTrendWizard> TrendOf(std::int32_t n, const std::string& column) {
    std::vector<ArchiveRecord> records;
    for (std::int32_t i = 1; i <= n; ++i) {
      const std::string row = std::to_string(i);
      driver.SetCells("Sheet1!" + column + row, Variant("tag" + row));
      records.emplace_back("tag" + row, static_cast<std::int16_t>(i),
                           "Sheet1!$" + column + "$" + row);
    }
    auto control = InsertControl();
    control->StartGroupedChange = true;
    for (const ArchiveRecord& record : records) {
      std::string server = "srv1";
      std::string tag = record.tag;
      ZaltAddQuerySpec(*control, server, tag);
    }
    control->StartGroupedChange = false;
    control->let_TraceInfo(TraceInfoOf(records));
    Variant sheet("Sheet1!A1");
    std::string range = "$D$20:$F$34";
    InsertTrend(*control, sheet, range);
    return control;
  }

  template <class Operation>
  static Calls Count(Operation&& operation) {
    sim::CountFaultPointCalls();
    operation();
    Calls calls;
    for (std::string_view point : kCounted) calls[std::string(point)] = sim::FaultPointCalls(point);
    sim::ClearFaults();
    return calls;
  }

  // Each operation's calls at 100 and at 1000 traces.
  struct Growth {
    Calls small;
    Calls large;
  };
  std::map<std::string, Growth> Measure() {
    std::map<std::string, Growth> growth;
    for (const auto& size : {std::pair{100, "A"}, std::pair{1000, "B"}}) {
      const std::string column = size.second;
      const bool small = size.first == 100;
      auto control = TrendOf(size.first, column);
      auto side = [&](const std::string& op) -> Calls& {
        return small ? growth[op].small : growth[op].large;
      };
      const std::string first = "Sheet1!" + column + "1";
      side("unrelated edit") = Count([&] { driver.EditCells("Sheet1!Z1", Variant("x")); });
      side("tag edit") = Count([&] { driver.EditCells(first, Variant("sinusoid")); });
      side("recalculation") = Count([&] { driver.RaiseSheetCalculate("Sheet1"); });
      side("workbook open") = Count([&] { app->WorkbookOpen.Raise(app->ActiveBook()); });
      side("reorder") = Count([&] { ReorderTraces(*control); });
      // The trend steps aside for the larger one: without records, no event
      // reaches the host or the chart.
      control->let_TraceInfo("");
    }
    return growth;
  }
};

TEST_F(ScalingTest, TenTimesTheTracesCostAboutTenTimesTheCalls) {
  for (const auto& [operation, growth] : Measure()) {
    for (std::string_view point : kCounted) {
      const std::string name(point);
      const std::int64_t small = growth.small.at(name);
      const std::int64_t large = growth.large.at(name);
      EXPECT_LE(large, 12 * std::max<std::int64_t>(small, 1))
          << operation << ": " << name << " " << small << " calls at 100 traces, " << large
          << " at 1000";
    }
  }
}

TEST_F(ScalingTest, AnOperationReadsEachChartTraceOnce) {
  const auto growth = Measure();
  for (const char* operation : {"tag edit", "reorder"}) {
    EXPECT_EQ(growth.at(operation).small.at("Traces.Item"), 100) << operation;
    EXPECT_EQ(growth.at(operation).large.at("Traces.Item"), 1000) << operation;
  }
}

}  // namespace
}  // namespace velkor::test
