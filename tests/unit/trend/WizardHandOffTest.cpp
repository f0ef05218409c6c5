#include "trend/WizardHandOff.h"

#include <gtest/gtest.h>

#include "control/ExcelTrendWizard.h"
#include "model/Globals.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "standins/host/SimApplication.h"
#include "unit/control/InvokeHelpers.h"
#include "unit/trend/OptionFakes.h"
#include "unit/trend/SandboxedServices.h"

namespace velkor {
namespace {

using test::CallMethod;

class WizardHandOffTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gAppExcel = app;
    control->WizardControlName = "ExcelTrendWizard1";
    app->RegisterMacro("ShowWizard", [this](std::span<Variant> args) {
      runs.emplace_back(args.begin(), args.end());
      if (macroError) Raise(macroError);
      return Variant();
    });
  }
  void TearDown() override {
    gAppExcel = nullptr;
    app->Quit();
  }
  std::vector<std::string> Reports() const { return services.Reports(); }

  test::SandboxedServices services;
  sim::SimServices& sim_ = services.sim;
  std::shared_ptr<sim::SimApplication> app = sim::SimApplication::Create();
  std::shared_ptr<ExcelTrendWizard> control = std::make_shared<ExcelTrendWizard>();
  std::vector<std::vector<Variant>> runs;
  std::int32_t macroError = 0;
};

TEST_F(WizardHandOffTest, RunsTheMacroWithTheControlsNameAndTheModeAsLong) {
  struct Case {
    std::vector<Variant> args;
    std::int32_t mode;
  };
  const Case cases[] = {
      {{}, kzwOpenfromMenuBar},
      {{std::int16_t{4}}, kzwOpenfromMove_ResizeMenu},
      {{"2"}, kzwOpenfromSetTimeRangeMenu},
  };
  for (auto c : cases) {
    runs.clear();
    CallMethod(*control, "ShowWizard", c.args);
    EXPECT_EQ(control->m_nWizardMode, c.mode);
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_EQ(runs[0].size(), 2u);
    EXPECT_EQ(runs[0][0].TypeName(), "String");
    EXPECT_EQ(CStr(runs[0][0]), "ExcelTrendWizard1");
    EXPECT_EQ(runs[0][1].TypeName(), "Long");
    EXPECT_EQ(CLng(runs[0][1]), c.mode);
  }
  EXPECT_TRUE(sim_.messageBox->Shown().empty());
}

TEST_F(WizardHandOffTest, WhileACellIsEditedTheUserIsAskedToLeaveIt) {
  app->SetCellEditMode(true);
  std::vector<Variant> args = {std::int32_t{1}};
  CallMethod(*control, "ShowWizard", args);

  EXPECT_EQ(control->m_nWizardMode, kzwOpenfromDefineMenu);
  EXPECT_TRUE(runs.empty());
  ASSERT_EQ(sim_.messageBox->Shown().size(), 1u);
  const auto& box = sim_.messageBox->Shown()[0];
  EXPECT_EQ(box.text, "Please deactivate the current cell and try again.");
  EXPECT_EQ(box.title, "Insert Trend Wizard");
  EXPECT_EQ(box.type, 48);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(WizardHandOffTest, OtherFailuresAreReportedAndTheCallerSeesSuccess) {
  std::int32_t mode = kzwOpenfromExportDataMenu;
  macroError = 5;
  ShowWizard(*control, mode);
  gAppExcel = nullptr;
  ShowWizard(*control, mode);
  EXPECT_EQ(control->m_nWizardMode, kzwOpenfromExportDataMenu);
  EXPECT_EQ(Reports(), (std::vector<std::string>{"ETW_ShowWizard", "ETW_ShowWizard"}));
  EXPECT_TRUE(sim_.messageBox->Shown().empty());
}

TEST_F(WizardHandOffTest, ARefusalThatCannotBeShownIsReportedInstead) {
  app->SetCellEditMode(true);
  sim_.objects->Unregister("WScript.Shell");
  std::int32_t mode = 0;
  ShowWizard(*control, mode);
  ASSERT_EQ(sim_.log->Lines().size(), 1u);
  EXPECT_NE(sim_.log->Lines()[0].find("Error 1004"), std::string::npos);
  EXPECT_EQ(Reports(), std::vector<std::string>{"ETW_ShowWizard"});
}

}  // namespace
}  // namespace velkor
