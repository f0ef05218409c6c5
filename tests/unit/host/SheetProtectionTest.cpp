#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "platform/host/HostModel.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"
#include "unit/host/HostFixture.h"

namespace velkor::host_test {
namespace {

class SheetProtectionTest : public HostFixture {
 protected:
  TempFolder folder;
};

TEST_F(SheetProtectionTest, AProtectedSheetRefusesNewObjectsAndStaysProtectedOverASave) {
  auto book = NewBook();
  auto sheet = book->FindSheet("Sheet2");
  sheet->OLEObjects()->Add(kRecorderProgId, Variant(1.0), Variant(1.0), Variant(20.0),
                           Variant(20.0));
  sheet->SetProtected(true);
  const auto add = [](const host::WorksheetPtr& target) {
    const Variant missing = Variant::Missing();
    target->OLEObjects()->Add(kRecorderProgId, missing, missing, missing, missing);
  };
  EXPECT_EQ(RaisedNumber([&] { add(sheet); }), err::kAppDefined);
  EXPECT_EQ(sheet->OLEObjects()->Count(), 1);

  driver.Save("Book1", folder.File("locked.json"));
  ASSERT_TRUE(driver.Close("locked.json"));
  auto loaded =
      std::dynamic_pointer_cast<sim::SimWorkbook>(driver.Open(folder.File("locked.json")));
  ASSERT_TRUE(loaded);
  auto again = loaded->FindSheet("Sheet2");
  EXPECT_TRUE(again->IsProtected());
  EXPECT_EQ(again->OLEObjects()->Count(), 1);  // its saved object still loads
  EXPECT_EQ(RaisedNumber([&] { add(again); }), err::kAppDefined);
  EXPECT_FALSE(loaded->FindSheet("Sheet1")->IsProtected());
  add(loaded->FindSheet("Sheet1"));
}

}  // namespace
}  // namespace velkor::host_test
