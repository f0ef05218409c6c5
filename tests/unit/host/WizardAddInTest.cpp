// The wizard add-in stand-in behind Application.Run.
#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "standins/host/SimApplication.h"
#include "standins/host/WizardAddIn.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor::sim {
namespace {

TEST(WizardAddInTest, ShowWizardRecordsEveryRunUnlessACellIsBeingEdited) {
  auto app = SimApplication::Create();
  auto addIn = WizardAddIn::Install(*app);
  EXPECT_TRUE(
      app->Run("showwizard", {Variant("ExcelTrendWizard1"), Variant(std::int32_t{4})}).IsEmpty());
  app->SetCellEditMode(true);
  EXPECT_EQ(platform_test::RaisedNumber([&] { app->Run("ShowWizard", {Variant("X")}); }),
            err::kAppDefined);
  app->SetCellEditMode(false);
  app->Run("ShowWizard", {});
  ASSERT_EQ(addIn->Calls().size(), 2u);
  EXPECT_EQ(addIn->Calls()[0].name, "ShowWizard");
  ASSERT_EQ(addIn->Calls()[0].args.size(), 2u);
  EXPECT_EQ(addIn->Calls()[0].args[1].AsLong(), 4);
  EXPECT_TRUE(addIn->Calls()[1].args.empty());
}

}  // namespace
}  // namespace velkor::sim
