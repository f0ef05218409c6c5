#include <gtest/gtest.h>

#include "commands/DeleteTrend.h"
#include "commands/ReorderTraces.h"
#include "control/components/ChartTraces.h"
#include "model/Traces.h"
#include "platform/ErrorNumbers.h"
#include "standins/FaultPoints.h"
#include "standins/components/ChartView.h"
#include "trend/InsertTrend.h"
#include "trend/QuerySpecs.h"
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

// A trend with one archive trace on Sheet1, the user answering Yes to the
// deletion question.
class TrendCommandTest : public TrendHost {
 protected:
  TrendCommandTest() {
    std::string server = "srv1";
    std::string tag = "sinusoid";
    ZaltAddQuerySpec(*control, server, tag);
    Variant sheet{std::string("Sheet1!A1")};
    std::string range = "$A$20:$F$34";
    InsertTrend(*control, sheet, range);
    services.messageBox->QueueAnswers({6});
  }
  ~TrendCommandTest() override { sim::ClearFaults(); }

  std::vector<std::string> ObjectNames() const {
    std::vector<std::string> names;
    for (const auto& info : driver.ListObjects()) names.push_back(info.name);
    return names;
  }

  std::shared_ptr<ExcelTrendWizard> control = InsertControl();
};

TEST_F(TrendCommandTest, FormatOpensTheDialogOverTheControlsWindow) {
  auto view = std::dynamic_pointer_cast<sim::ChartView>(control->m_objTrend.get());
  ASSERT_TRUE(view);
  for (const auto& item : view->MenuItems())
    if (item.caption == "F&ormat...") view->PickMenuItem(item.id);
  EXPECT_EQ(view->FormatDialogShown(), 1);
  EXPECT_EQ(view->FormatDialogOwner(), control->Site()->WindowHandle());
  EXPECT_NE(view->FormatDialogOwner(), 0);
}

TEST_F(TrendCommandTest, AnObjectThatRefusesDeletionStaysAndTheRestIsDeleted) {
  ASSERT_EQ(ObjectNames(), (std::vector<std::string>{"ExcelTrendWizard1", "ZaltArchiveData1_Sheet1",
                                                     "ZaltTrend1_Sheet1"}));
  sim::ArmFault("OLEObject.Delete", err::kAppDefined, 1, 1);  // the chart, second of three
  DeleteTrend(*control);
  EXPECT_EQ(ObjectNames(), std::vector<std::string>{"ZaltTrend1_Sheet1"});
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_NE(Reports()[0].find("in DeleteObjectByName"), std::string::npos);
  EXPECT_FALSE(control->m_objTrend);
  EXPECT_FALSE(control->m_objZaltArcDC);
  EXPECT_FALSE(control->Timer1->Enabled());
}

TEST_F(TrendCommandTest, AFailingQuestionEndsDeletionBeforeAnythingIsDeleted) {
  sim::ArmFault("MessageBox.Popup", err::kAppDefined);
  DeleteTrend(*control);
  EXPECT_EQ(ObjectNames().size(), 3u);
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_NE(Reports()[0].find("in ETW_DeleteTrend"), std::string::npos);
  EXPECT_TRUE(control->m_objTrend);
}

}  // namespace
}  // namespace velkor::test
