// Closing and opening workbooks, and the data controls' change events passed
// on to the control's clients.
#include <gtest/gtest.h>

#include <vector>

#include "control/components/ArchiveDataControl.h"
#include "control/components/ExcelDataControl.h"
#include "platform/Conversions.h"
#include "platform/host/Application.h"
#include "standins/host/SimWorkbook.h"
#include "trend/QuerySpecs.h"
#include "unit/sync/SyncHost.h"

namespace velkor::test {
namespace {

class WorkbookEventsTest : public SyncHost {
 protected:
  std::shared_ptr<ExcelTrendWizard> control = Trend({{"sinusoid", 1, "Sheet1!$A$10"}});
};

TEST_F(WorkbookEventsTest, AnyCloseMarksTheControlUntilAWorkbookOpens) {
  driver.NewWorkbook();
  driver.NewWorkbook();
  EXPECT_TRUE(driver.Close("Book2"));
  EXPECT_TRUE(control->m_bWorkbookClosing);

  control->m_bWorkbookClosing = false;
  // Connected after the control, so the control sees the close announced first.
  auto refuse =
      app->WorkbookBeforeClose.Connect([](host::WorkbookPtr, bool& cancel) { cancel = true; });
  EXPECT_FALSE(driver.Close("Book3"));
  EXPECT_TRUE(control->m_bWorkbookClosing);

  app->WorkbookOpen.Raise(driver.ResolveBook("Book3"));
  EXPECT_FALSE(control->m_bWorkbookClosing);
  EXPECT_TRUE(Reports().empty());
}

struct Announced {
  ObjectPtr data;
  std::int32_t mode;
  bool operator==(const Announced&) const = default;
};

class Announcements {
 public:
  explicit Announcements(Event<ObjectPtr, Variant>& event)
      : connection_(event.Connect([this](ObjectPtr data, const Variant& mode) {
          seen.push_back({data, CLng(mode)});
        })) {}
  std::vector<Announced> seen;

 private:
  Connection connection_;
};

TEST_F(WorkbookEventsTest, EachDataChangeReachesTheClientsOnceAsTheDataControlGaveIt) {
  driver.SetCells("Sheet2!A1", Variant("Time"));
  driver.SetCells("Sheet2!B1", Variant("flow"));
  driver.SetCells("Sheet2!A2", Variant(46363.25));
  driver.SetCells("Sheet2!B2", Variant(1.5));
  std::string range = "Sheet2!$A$1:$B$2";
  ExcelAddQuerySpecs(*control, range, Variant(true));
  ASSERT_TRUE(control->m_objExcelDC);

  Announcements archive(control->m_objZaltArcDC->OnDataChange);
  Announcements sheet(control->m_objExcelDC->OnDataChange);
  Announcements zalt(control->ZaltOnDataChange);
  Announcements excel(control->ExcelOnDataChange);
  QueryData(*control, 1);
  ASSERT_EQ(archive.seen.size(), 1u);
  ASSERT_EQ(sheet.seen.size(), 1u);
  EXPECT_TRUE(archive.seen[0].data);
  EXPECT_EQ(zalt.seen, archive.seen);
  EXPECT_EQ(excel.seen, sheet.seen);

  // A recalculation of the worksheet range queries both data controls again.
  driver.RaiseSheetCalculate("Sheet2!");
  EXPECT_EQ(zalt.seen.size(), 2u);
  EXPECT_EQ(excel.seen.size(), 2u);
  EXPECT_EQ(excel.seen, sheet.seen);
  EXPECT_TRUE(Reports().empty());
}

}  // namespace
}  // namespace velkor::test
