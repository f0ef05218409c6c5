#include <gtest/gtest.h>

#include "platform/Conversions.h"
#include "platform/host/HostModel.h"
#include "standins/host/SimWorkbook.h"
#include "unit/host/HostFixture.h"

namespace velkor::host_test {
namespace {

using HostEventsTest = HostFixture;

TEST_F(HostEventsTest, UserEditRaisesSheetChangeWithSheetAndTarget) {
  NewBook();
  std::vector<std::string> seen;
  Connection c = app->SheetChange.Connect([&](host::WorksheetPtr sh, host::RangePtr target) {
    seen.push_back(sh->Name() + "!" + target->Address() + "=" + CStr(target->Cells(1, 1)->Value()));
  });
  driver.EditCells("Sheet2!B2:C3", Variant("x"));
  driver.SetCells("Sheet2!A1", Variant("silent"));
  driver.RaiseSheetChange("Sheet1!A1");
  EXPECT_EQ(seen, (std::vector<std::string>{"Sheet2!$B$2:$C$3=x", "Sheet1!$A$1="}));
}

TEST_F(HostEventsTest, AMacroWritingCellsRaisesSheetChangeUnlessEventsAreOff) {
  NewBook();
  int changes = 0;
  Connection c = app->SheetChange.Connect([&](host::WorksheetPtr, host::RangePtr) { ++changes; });
  app->ActiveSheet()->Range(Variant("A1"))->SetValue(Variant(1.0));
  app->SetEnableEvents(false);
  app->ActiveSheet()->Range(Variant("A1"))->SetValue(Variant(2.0));
  EXPECT_EQ(changes, 1);
}

TEST_F(HostEventsTest, ReassigningOrDroppingTheConnectionDisconnects) {
  NewBook();
  std::vector<int> calls;
  Connection member = app->SheetCalculate.Connect([&](host::WorksheetPtr) { calls.push_back(1); });
  driver.RaiseSheetCalculate("Sheet1!");
  member = app->SheetCalculate.Connect([&](host::WorksheetPtr) { calls.push_back(2); });
  driver.RaiseSheetCalculate("Sheet1!");
  member = Connection();
  driver.RaiseSheetCalculate("Sheet1!");
  EXPECT_EQ(calls, (std::vector<int>{1, 2}));
  EXPECT_EQ(app->SheetCalculate.ConnectionCount(), 0u);
}

TEST_F(HostEventsTest, AHandlerMayDisconnectItselfAndOthersDuringTheRaise) {
  NewBook();
  std::vector<std::string> calls;
  Connection first, second;
  first = app->SheetCalculate.Connect([&](host::WorksheetPtr) {
    calls.push_back("first");
    first.Disconnect();
    second.Disconnect();
  });
  second = app->SheetCalculate.Connect([&](host::WorksheetPtr) { calls.push_back("second"); });
  driver.RaiseSheetCalculate("Sheet1!");
  driver.RaiseSheetCalculate("Sheet1!");
  EXPECT_EQ(calls, std::vector<std::string>{"first"});
}

TEST_F(HostEventsTest, BeforeCloseMayCancelTheClose) {
  auto book = NewBook();
  bool cancel = true;
  std::vector<std::string> closing;
  Connection c = app->WorkbookBeforeClose.Connect([&](host::WorkbookPtr wb, bool& Cancel) {
    closing.push_back(wb->Name());
    Cancel = cancel;
  });
  EXPECT_FALSE(driver.Close("book1"));
  EXPECT_EQ(app->Workbooks()->Count(), 1);
  cancel = false;
  EXPECT_TRUE(book->Close());
  EXPECT_EQ(app->Workbooks()->Count(), 0);
  EXPECT_EQ(closing, (std::vector<std::string>{"Book1", "Book1"}));
  EXPECT_FALSE(book->Application());
}

TEST_F(HostEventsTest, ClosingTheActiveWorkbookActivatesTheLastOpenOne) {
  auto first = NewBook();
  auto second = NewBook();
  auto third = NewBook();
  first->Activate();
  driver.Close("Book1");
  EXPECT_EQ(app->ActiveWorkbook(), third);
}

}  // namespace
}  // namespace velkor::host_test
