#include "model/ObjectByName.h"

#include <gtest/gtest.h>

#include "platform/host/OLEObject.h"
#include "unit/model/HostModelFixture.h"

namespace velkor {
namespace {

using ObjectByNameTest = test::HostModelFixture;

TEST_F(ObjectByNameTest, FirstWorksheetInOrderWins) {
  auto onSheet3 = PlaceNamed("Sheet3!", "ZaltTrend1_Sheet1");
  auto onSheet1 = PlaceNamed("Sheet1!", "ZaltTrend1_Sheet1");

  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1"), onSheet1->Object());
  EXPECT_EQ(GetObjectByName("zalttrend1_sheet1"), onSheet1->Object());  // as the host looks up

  DeleteObjectByName("ZaltTrend1_Sheet1");
  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1"), onSheet3->Object());
  DeleteObjectByName("ZaltTrend1_Sheet1");
  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1"), nullptr);
  DeleteObjectByName("ZaltTrend1_Sheet1");  // nothing left: nothing happens
  EXPECT_TRUE(driver.ListObjects().empty());
  EXPECT_TRUE(Reports().empty());
}

TEST_F(ObjectByNameTest, OnlyTheActiveWorkbookIsSearched) {
  PlaceNamed("Sheet1!", "ZaltExcelData1_Sheet1");
  NewBook();  // now the active one
  EXPECT_EQ(GetObjectByName("ZaltExcelData1_Sheet1"), nullptr);
  DeleteObjectByName("ZaltExcelData1_Sheet1");
  EXPECT_EQ(driver.ListObjects().size(), 1u);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(ObjectByNameTest, FailuresAreReportedUnderTheirOwnNames) {
  PlaceNamed("Sheet1!", "X");
  gAppExcel = nullptr;
  EXPECT_EQ(GetObjectByName("X"), nullptr);
  DeleteObjectByName("X");
  EXPECT_EQ(driver.ListObjects().size(), 1u);

  const std::vector<std::string> expected = {
      "Zalt-KX-TrendWizard>Error 91: Object variable or With block variable not set in gAppExcel "
      "is nothing",
      "Zalt-KX-TrendWizard>Error 91: Object variable or With block variable not set in "
      "DeleteObjectByName"};
  EXPECT_EQ(Reports(), expected);
}

}  // namespace
}  // namespace velkor
