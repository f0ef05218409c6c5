// The host's event handlers run each statement on its own: a host or
// component call that fails is skipped, the handler goes on, and neither the
// host nor the error log hears of it.
#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"
#include "sync/HostEvents.h"
#include "unit/control/Fakes.h"
#include "unit/sync/SyncHost.h"

namespace velkor::test {
namespace {

// A chart that refuses to hand out its traces, so the reorder cannot run.
class RefusingChart : public FakeChart {
 public:
  component::ChartTracesPtr Traces() override { Raise(err::kObjectNotSet); }
};

class HandlerFailureTest : public SyncHost {
 protected:
  std::shared_ptr<ExcelTrendWizard> control = Trend({{"sinusoid", 1, "Sheet1!$A$10"}, {"ramp", 2}});
};

TEST_F(HandlerFailureTest, AFailedReorderStillSavesTheRecords) {
  control->m_objTrend.Assign(std::make_shared<RefusingChart>());
  EXPECT_NO_THROW(driver.EditCells("Sheet1!A10", Variant("cdt158")));
  EXPECT_NE(control->TraceInfo.find("<TraceName>\\\\srv1\\cdt158</TraceName>"), std::string::npos);
  EXPECT_EQ(ArchiveSpecNames(*control),
            (std::vector<std::string>{"\\\\srv1\\ramp", "\\\\srv1\\cdt158"}));
  EXPECT_TRUE(Reports().empty());
}

TEST_F(HandlerFailureTest, EventsWithoutTheirHostObjectsChangeNothing) {
  const std::string saved = control->TraceInfo;
  EXPECT_NO_THROW(gAppExcelEvents_SheetChange(*control, nullptr, nullptr));
  EXPECT_NO_THROW(gAppExcelEvents_SheetCalculate(*control, nullptr));
  EXPECT_NO_THROW(gAppExcelEvents_WorkbookOpen(*control, nullptr));
  EXPECT_EQ(control->TraceInfo, saved);
  EXPECT_TRUE(Reports().empty());
}

}  // namespace
}  // namespace velkor::test
