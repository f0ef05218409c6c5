// Which stored references an event follows, and what it reads there.
#include <gtest/gtest.h>

#include "platform/Conversions.h"
#include "standins/host/SimRange.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"
#include "sync/CellScope.h"
#include "unit/sync/SyncHost.h"

namespace velkor::test {
namespace {

class CellScopeTest : public SyncHost {
 protected:
  CellScopeTest() {
    control->TrendSheetName = "Sheet1";
    driver.NewWorkbook();  // Book2, with the same sheet names
    for (const char* book : {"Book1", "Book2"})
      for (const char* sheet : {"Sheet1", "Sheet2"})
        for (const char* cell : {"A1", "B2", "C3"})
          driver.SetCells(std::string("[") + book + "]" + sheet + "!" + cell,
                          Variant(std::string(book) + " " + sheet + " " + cell));
  }

  // What the scope makes of `ref`: "-" when it does not follow it.
  std::string Seen(const std::unique_ptr<CellScope>& scope, const std::string& ref,
                   bool timeCell = false) {
    return Shown(scope->Read(*control, ref, timeCell));
  }
  static std::string Shown(const CellRead& read) {
    switch (read.kind) {
      case CellRead::Kind::NotFollowed:
        return "-";
      case CellRead::Kind::Invalid:
        return "invalid";
      case CellRead::Kind::Value:
        break;
    }
    return CStr(read.value);
  }
  std::unique_ptr<CellScope> Edited(const std::string& range) {
    return EditedRangeScope(driver.ResolveSheet(range), driver.ResolveRange(range));
  }
  std::unique_ptr<CellScope> Calculated(const std::string& sheet) {
    return CalculatedSheetScope(driver.ResolveSheet(sheet));
  }

  std::shared_ptr<ExcelTrendWizard> control = InsertControl();
};

TEST_F(CellScopeTest, AnEditIsFollowedOnlyInsideItsRangeOnTheNamedWorkbookAndSheet) {
  const auto edit = Edited("[Book1]Sheet1!A1:B2");
  EXPECT_EQ(Seen(edit, "A1"), "Book1 Sheet1 A1");  // the control's workbook and trend sheet
  EXPECT_EQ(Seen(edit, "Sheet1!$B$2"), "Book1 Sheet1 B2");
  EXPECT_EQ(Seen(edit, "[book1]Sheet1!B2"), "Book1 Sheet1 B2");  // workbooks found ignoring case
  EXPECT_EQ(Seen(edit, "'Sheet1'!A1", true), "Book1 Sheet1 A1");
  EXPECT_EQ(Seen(edit, "sheet1!A1"), "-");  // sheet names compared exactly
  EXPECT_EQ(Seen(edit, "Sheet1!C3"), "-");
  EXPECT_EQ(Seen(edit, "Sheet2!A1"), "-");
  EXPECT_EQ(Seen(edit, "[Book2]Sheet1!A1"), "-");
  EXPECT_EQ(Seen(edit, "[Gone.xlsx]Sheet1!A1"), "-");
}

TEST_F(CellScopeTest, AnEditOfAnotherWorkbookReachesOnlyReferencesNamingIt) {
  const auto edit = Edited("[Book2]Sheet1!A1:C3");
  EXPECT_EQ(Seen(edit, "A1"), "-");
  EXPECT_EQ(Seen(edit, "[Book2]Sheet1!C3"), "Book2 Sheet1 C3");
  control->m_objWorkbook = nullptr;  // no workbook of its own: a bare reference names none
  EXPECT_EQ(Seen(Edited("[Book1]Sheet1!A1"), "A1"), "-");
  EXPECT_EQ(Seen(edit, "[Book2]Sheet1!A1"), "Book2 Sheet1 A1");
}

TEST_F(CellScopeTest, ARecalculationReadsAnyCellOfItsSheet) {
  const auto calc = Calculated("[Book1]Sheet2!A1");
  EXPECT_EQ(Seen(calc, "Sheet2!C3"), "Book1 Sheet2 C3");
  EXPECT_EQ(Seen(calc, "[BOOK1]Sheet2!A1"), "Book1 Sheet2 A1");
  EXPECT_EQ(Seen(calc, "A1"), "-");  // Sheet1, the trend sheet
  EXPECT_EQ(Seen(calc, "[Book2]Sheet2!A1"), "-");
  EXPECT_EQ(Seen(Calculated("[Book1]Sheet1!A1"), "B2"), "Book1 Sheet1 B2");
}

TEST_F(CellScopeTest, AnOpeningReadsAnySheetOfTheWorkbookItself) {
  const auto open = OpenedWorkbookScope(driver.ResolveBook("Book2"));
  EXPECT_EQ(Seen(open, "[Book2]Sheet2!B2"), "Book2 Sheet2 B2");
  EXPECT_EQ(Seen(open, "[Book2]Sheet1!C3"), "Book2 Sheet1 C3");
  EXPECT_EQ(Seen(open, "[Book2]Missing!A1"), "invalid");
  EXPECT_EQ(Seen(open, "[book2]Sheet1!A1"), "-");  // the name as written, not looked up
  EXPECT_EQ(Seen(open, "Sheet1!A1"), "-");
  const auto own = OpenedWorkbookScope(driver.ResolveBook("Book1"));
  EXPECT_EQ(Seen(own, "A1"), "Book1 Sheet1 A1");
}

TEST_F(CellScopeTest, ACellIsReadAnywhereWhileItsWorkbookAndSheetExist) {
  auto anywhere = [&](const std::string& ref) { return Shown(ReadAnywhere(*control, ref)); };
  EXPECT_EQ(anywhere("C3"), "Book1 Sheet1 C3");
  EXPECT_EQ(anywhere("[book2]Sheet2!$B$2"), "Book2 Sheet2 B2");
  EXPECT_EQ(anywhere("[Gone.xlsx]Sheet1!A1"), "invalid");
  EXPECT_EQ(anywhere("Missing!A1"), "invalid");
}

}  // namespace
}  // namespace velkor::test
