#include <gtest/gtest.h>

#include "model/Globals.h"
#include "platform/host/HostModel.h"
#include "trend/InsertTrend.h"
#include "trend/QuerySpecs.h"
#include "unit/lifecycle/TrendHost.h"

namespace velkor::test {
namespace {

class ReconnectTest : public TrendHost {
 protected:
  // A trend with one archive trace on a new sheet, saved and opened again.
  std::shared_ptr<ExcelTrendWizard> ReopenedTrend() {
    auto control = InsertControl();
    std::string server = "srv1";
    std::string tag = "sinusoid";
    ZaltAddQuerySpec(*control, server, tag);
    Variant sheet = Variant::Missing();
    std::string range;
    InsertTrend(*control, sheet, range);
    const std::string file = folder.File("trend.json");
    driver.Save("Book1", file);
    EXPECT_TRUE(driver.Close("trend.json"));
    driver.Open(file);
    return ControlOf(app->ActiveWorkbook()
                         ->Worksheets()
                         ->Item(Variant("Sheet1"))
                         ->OLEObjects()
                         ->Item(Variant("ExcelTrendWizard1")));
  }

  static bool Connected(ExcelTrendWizard& c) { return c.Timer_Connect().AsBool(); }
};

TEST_F(ReconnectTest, WithoutATrendNameTheTimerKeepsWaiting) {
  auto control = InsertControl();
  EXPECT_TRUE(control->Timer1->Enabled());
  EXPECT_FALSE(Connected(*control));
  driver.Advance(20000);
  EXPECT_TRUE(control->Timer1->Enabled());
  EXPECT_FALSE(control->m_objTrend);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(ReconnectTest, AReopenedTrendBindsItsChartDataControlAndMenu) {
  auto control = ReopenedTrend();
  ASSERT_TRUE(control);
  EXPECT_FALSE(control->m_objTrend);  // only names were saved
  driver.Advance(5000);
  EXPECT_TRUE(control->m_objTrend);
  EXPECT_TRUE(control->m_objZaltArcDC);
  EXPECT_NE(control->m_lMenuFormat, 0);
  EXPECT_NE(control->m_lMenuMoveResize, 0);
  EXPECT_FALSE(control->Timer1->Enabled());
  EXPECT_TRUE(Connected(*control));  // a disabled timer answers at once
  EXPECT_TRUE(Reports().empty());
}

TEST_F(ReconnectTest, AResizeAfterConnectingKeepsTheTimerRunning) {
  auto control = ReopenedTrend();
  ASSERT_TRUE(Connected(*control));
  const std::int32_t menuId = control->m_lMenuFormat;
  control->Resize();
  EXPECT_TRUE(control->Timer1->Enabled());
  // The chart is bound, so no tick adds the items again or stops the timer.
  EXPECT_FALSE(Connected(*control));
  EXPECT_EQ(control->m_lMenuFormat, menuId);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(ReconnectTest, AMissingChartLeavesTheTimerRunningWithoutReport) {
  auto control = InsertControl();
  control->TrendName = "ZaltTrend9_Sheet1";
  EXPECT_FALSE(Connected(*control));
  EXPECT_FALSE(control->m_objTrend);
  EXPECT_TRUE(control->Timer1->Enabled());
  EXPECT_TRUE(Reports().empty());
}

TEST_F(ReconnectTest, AFailureBeforeBindingStopsTheTimerAndIsReported) {
  auto control = InsertControl();
  control->TrendName = "ZaltTrend1_Sheet1";
  control->ExcelDcName = "ExcelTrendWizard1";  // not a worksheet data control
  control->m_objTrend.Assign(nullptr);
  // Bind a chart first so that the tick does not enter the skipping branch.
  auto chart = driver.InsertObject("Sheet1!", "ZaltTrend.ZaltTrend.1", 1, 1, 100, 100);
  chart->SetName("ZaltTrend1_Sheet1");
  control->m_objTrend.Assign(std::dynamic_pointer_cast<component::TrendChart>(chart->Object()));
  EXPECT_TRUE(Connected(*control));
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_NE(Reports()[0].find(" Timer1_Timer"), std::string::npos);
}

TEST_F(ReconnectTest, TeardownReleasesOnlyWhileAWorkbookCloses) {
  auto control = InsertControl();
  ASSERT_TRUE(gAppExcel);
  control->Terminate();
  EXPECT_FALSE(control->Timer1->Enabled());
  EXPECT_TRUE(gAppExcel);  // the other controls of the thread still use it
  control->m_bWorkbookClosing = true;
  control->Terminate();
  EXPECT_FALSE(gAppExcel);
  EXPECT_FALSE(control->gAppExcelEvents);
  EXPECT_FALSE(control->m_objWorkbook);
}

}  // namespace
}  // namespace velkor::test
