#include "model/UniqueControlName.h"

#include <gtest/gtest.h>

#include "platform/host/OLEObject.h"
#include "platform/host/OLEObjects.h"
#include "platform/host/Worksheets.h"
#include "standins/host/SimWorksheet.h"
#include "unit/model/HostModelFixture.h"

namespace velkor {
namespace {

class UniqueControlNameTest : public test::HostModelFixture {
 protected:
  UniqueControlNameTest() {
    registry->Register("Velkor.ExcelTrendWizard",
                       [] { return std::make_shared<host_test::PlainObject>(); });
  }
  std::shared_ptr<sim::SimWorksheet> Sheet(const char* name) const { return book->FindSheet(name); }
};

TEST_F(UniqueControlNameTest, NumberIsOneAboveTheHighestOfTheSameBaseAndCodeName) {
  struct Case {
    std::vector<std::string> present;
    const char* base;
    const char* expected;
  };
  const Case cases[] = {
      {{}, "ZaltTrend", "ZaltTrend1_Sheet1"},
      {{"ZaltTrend1_Sheet1", "ZaltTrend3_Sheet1"}, "ZaltTrend", "ZaltTrend4_Sheet1"},
      {{"ZaltTrend3_Sheet1", "ZaltArchiveData7_Sheet1"},
       "ZaltArchiveData",
       "ZaltArchiveData8_Sheet1"},
      {{"ZaltTrend5_Sheet2", "zalttrend6_Sheet1"}, "ZaltTrend", "ZaltTrend1_Sheet1"},
      {{"ZaltTrend_Sheet1", "ZaltTrend2"}, "ZaltTrend", "ZaltTrend1_Sheet1"},
  };
  for (const auto& c : cases) {
    for (const auto& frame : Sheet("Sheet1")->OLEObjects()->Enumerate()) frame->Delete();
    for (const auto& name : c.present) PlaceNamed("Sheet1!", name);
    EXPECT_EQ(ComposeUniqueCtlName(c.base, nullptr, ""), c.expected) << c.expected;
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(UniqueControlNameTest, RussianLanguageDropsUnderscoresFromTheCodeName) {
  Sheet("Sheet1")->SetCodeName("Sheet_1");
  PlaceNamed("Sheet1!", "ZaltTrend2_Sheet1");
  EXPECT_EQ(ComposeUniqueCtlName("ZaltTrend", nullptr, "1049"), "ZaltTrend3_Sheet1");
  EXPECT_EQ(ComposeUniqueCtlName("ZaltTrend", nullptr, "1033"), "ZaltTrend1_Sheet_1");
  EXPECT_EQ(ComposeUniqueCtlName("ZaltTrend", nullptr, ""), "ZaltTrend1_Sheet_1");
}

// The code name is the active sheet's, but the number is above every object
// of the workbook with that code name: the chart of a trend is named while
// another sheet may be active.
TEST_F(UniqueControlNameTest, EverySheetOfTheWorkbookCountsForTheActiveCodeName) {
  struct Case {
    std::vector<std::pair<const char*, const char*>> present;  // sheet, name
    const char* expected;
  };
  const Case cases[] = {
      {{{"Sheet1!", "ZaltTrend4_Sheet1"}, {"Sheet2!", "ZaltTrend8_Sheet2"}}, "ZaltTrend5_Sheet1"},
      {{{"Sheet2!", "ZaltTrend1_Sheet1"}}, "ZaltTrend2_Sheet1"},
      {{{"Sheet2!", "ZaltTrend1_Sheet1"}, {"Sheet3!", "ZaltTrend2_Sheet1"}}, "ZaltTrend3_Sheet1"},
      {{{"Sheet3!", "ZaltTrend6_Sheet1"}, {"Sheet1!", "ZaltTrend2_Sheet1"}}, "ZaltTrend7_Sheet1"},
  };
  for (const auto& c : cases) {
    for (const char* sheet : {"Sheet1", "Sheet2", "Sheet3"})
      for (const auto& frame : Sheet(sheet)->OLEObjects()->Enumerate()) frame->Delete();
    for (const auto& [sheet, name] : c.present) PlaceNamed(sheet, name);
    EXPECT_EQ(ComposeUniqueCtlName("ZaltTrend", Sheet("Sheet2"), ""), c.expected) << c.expected;
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(UniqueControlNameTest, AnotherWorkbookDoesNotCount) {
  auto other = NewBook();
  PlaceNamed("Sheet1!", "ZaltTrend3_Sheet1");
  book->Activate();
  EXPECT_EQ(ComposeUniqueCtlName("ZaltTrend", nullptr, ""), "ZaltTrend1_Sheet1");
}

TEST_F(UniqueControlNameTest, SheetWithoutCodeNameGetsOneFromATemporaryControl) {
  for (bool worksheetGiven : {false, true}) {
    auto sheet = std::dynamic_pointer_cast<sim::SimWorksheet>(book->Worksheets()->Add());
    ASSERT_EQ(sheet->CodeName(), "");
    const std::string name =
        ComposeUniqueCtlName("ZaltTrend", worksheetGiven ? sheet : nullptr, "");
    EXPECT_NE(sheet->CodeName(), "");
    EXPECT_EQ(name, "ZaltTrend1_" + sheet->CodeName());
    EXPECT_EQ(sheet->OLEObjects()->Count(), 0);  // the temporary control is gone
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(UniqueControlNameTest, BadNumberStopsTheScanAndIsReported) {
  struct Case {
    std::vector<std::string> present;
    const char* expected;
    const char* error;
  };
  const Case cases[] = {
      {{"ZaltTrend2_Sheet1", "ZaltTrendX_Sheet1", "ZaltTrend5_Sheet1"},
       "ZaltTrend3_Sheet1",
       "Error 13: Type mismatch in ComposeUniqueCtlName"},
      {{"ZaltTrend40000_Sheet1"}, "ZaltTrend1_Sheet1", "Error 6: Overflow in ComposeUniqueCtlName"},
  };
  for (const auto& c : cases) {
    for (const auto& frame : Sheet("Sheet1")->OLEObjects()->Enumerate()) frame->Delete();
    for (const auto& name : c.present) PlaceNamed("Sheet1!", name);
    const std::size_t before = Reports().size();
    EXPECT_EQ(ComposeUniqueCtlName("ZaltTrend", nullptr, ""), c.expected);
    ASSERT_EQ(Reports().size(), before + 1);
    EXPECT_NE(Reports().back().find(c.error), std::string::npos) << Reports().back();
  }
}

TEST_F(UniqueControlNameTest, WithoutHostTheNameHasNoCodeName) {
  gAppExcel = nullptr;
  EXPECT_EQ(ComposeUniqueCtlName("ZaltTrend", nullptr, ""), "ZaltTrend1_");
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_NE(Reports()[0].find("Error 91:"), std::string::npos);
}

}  // namespace
}  // namespace velkor
