#include <gtest/gtest.h>

#include "commands/ReorderTraces.h"
#include "control/components/ChartTraces.h"
#include "model/Traces.h"
#include "platform/ErrorNumbers.h"
#include "unit/control/Fakes.h"
#include "unit/lifecycle/TrendHost.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor::test {
namespace {

// A chart whose format dialog and trace list fail, as a broken component would.
class FailingTraces : public component::ChartTraces {
 public:
  std::string TypeName() const override { return "Traces"; }
  std::int32_t Count() const override { return 1; }
  component::ChartTracePtr Item(std::int32_t) override {
    throw VbError(err::kInvalidProcedureCall);
  }
  void Reorder(const Variant&) override { throw VbError(err::kInvalidProcedureCall); }
};

class FailingChart : public FakeChart {
 public:
  void ShowFormatDialog(std::int32_t) override { throw VbError(err::kInvalidProcedureCall); }
  component::ChartTracesPtr Traces() override { return std::make_shared<FailingTraces>(); }
};

class CommandFailureTest : public TrendHost {
 protected:
  std::shared_ptr<ExcelTrendWizard> control = InsertControl();
  std::shared_ptr<FailingChart> chart = std::make_shared<FailingChart>();
};

TEST_F(CommandFailureTest, AFailingMenuCommandIsReportedAndTheEventReturns) {
  control->m_objTrend.Assign(chart);
  control->m_lMenuFormat = 7;
  chart->OnUserDefinedMenuItem.Raise(Variant(std::int32_t{7}));
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_NE(Reports()[0].find("m_objTrend_OnUserDefinedMenuItem"), std::string::npos);
  chart->OnUserDefinedMenuItem.Raise(Variant(std::int32_t{8}));  // not an item of the control
  EXPECT_EQ(Reports().size(), 1u);
}

TEST_F(CommandFailureTest, AFailingReorderGoesToTheCallerAndTheTimerComesBack) {
  control->m_objTrend.Assign(chart);
  control->TraceInfo =
      "<traceinfo><trace1><TraceName>a</TraceName><TraceOrder>1</TraceOrder></trace1></traceinfo>";
  for (const bool enabled : {true, false}) {
    control->Timer1->SetEnabled(enabled);
    EXPECT_EQ(platform_test::RaisedNumber([&] { ReorderTraces(*control); }),
              err::kInvalidProcedureCall);
    EXPECT_EQ(control->Timer1->Enabled(), enabled);
  }
  EXPECT_TRUE(Reports().empty());  // ReorderTraces has no handler of its own
}

}  // namespace
}  // namespace velkor::test
