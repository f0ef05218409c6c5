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

TEST_F(ObjectByNameTest, WithoutAWorkbookOnlyTheActiveOneIsSearched) {
  PlaceNamed("Sheet1!", "ZaltExcelData1_Sheet1");
  NewBook();  // now the active one
  EXPECT_EQ(GetObjectByName("ZaltExcelData1_Sheet1"), nullptr);
  DeleteObjectByName("ZaltExcelData1_Sheet1");
  EXPECT_EQ(driver.ListObjects().size(), 1u);
  EXPECT_TRUE(Reports().empty());
}

// Names repeat across workbooks: a lookup in a given workbook never finds
// another workbook's object of the same name, active or not.
TEST_F(ObjectByNameTest, AGivenWorkbookIsSearchedWhicheverIsActive) {
  auto own = PlaceNamed("Sheet1!", "ZaltTrend1_Sheet1");
  auto other = NewBook();  // now the active one
  auto others = PlaceNamed("Sheet1!", "ZaltTrend1_Sheet1");
  const ObjectScope inOwn{book, ""}, inOther{other, ""};

  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1", inOwn), own->Object());
  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1", inOther), others->Object());
  DeleteObjectByName("ZaltTrend1_Sheet1", others->Object().get(), inOwn);  // not in this book
  EXPECT_EQ(driver.ListObjects().size(), 2u);
  DeleteObjectByName("ZaltTrend1_Sheet1", own->Object().get(), inOwn);
  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1", inOwn), nullptr);
  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1", inOther), others->Object());
  EXPECT_TRUE(Reports().empty());
}

// A workbook saved by an earlier version may hold one name on two sheets:
// the sheet of the control's chart is searched first, and deletion takes
// only the object the control holds, wherever it is.
TEST_F(ObjectByNameTest, DuplicateNamesResolveToTheFirstSheetOrTheHeldObject) {
  auto onSheet1 = PlaceNamed("Sheet1!", "ZaltTrend1_Sheet1");
  auto onSheet2 = PlaceNamed("Sheet2!", "ZaltTrend1_Sheet1");

  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1", {book, "Sheet2"}), onSheet2->Object());
  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1", {book, "sheet2"}), onSheet2->Object());
  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1", {book, "Sheet1"}), onSheet1->Object());
  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1", {book, "NoSuchSheet"}), onSheet1->Object());

  DeleteObjectByName("ZaltTrend1_Sheet1", onSheet2->Object().get(), {book, ""});
  EXPECT_EQ(GetObjectByName("ZaltTrend1_Sheet1", {book, "Sheet2"}), onSheet1->Object());
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
