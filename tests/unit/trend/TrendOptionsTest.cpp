#include "control/TrendOptions.h"

#include <gtest/gtest.h>

#include "control/ExcelTrendWizard.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "unit/control/InvokeHelpers.h"
#include "unit/platform/RaisedNumber.h"
#include "unit/trend/OptionFakes.h"
#include "unit/trend/SandboxedServices.h"

namespace velkor {
namespace {

using platform_test::RaisedNumber;
using test::GetProp;
using test::LetProp;

class TrendOptionsTest : public ::testing::Test {
 protected:
  void GiveChart() { control->m_objTrend.Assign(chart); }
  std::vector<std::string> Reports() const { return services.Reports(); }

  test::SandboxedServices services;
  sim::SimServices& sim_ = services.sim;
  std::shared_ptr<ExcelTrendWizard> control = std::make_shared<ExcelTrendWizard>();
  std::shared_ptr<test::PropertyChart> chart = std::make_shared<test::PropertyChart>();
};

TEST_F(TrendOptionsTest, WithChartTheOptionsAreTheChartsAppliedProperties) {
  GiveChart();
  LetProp(*control, "TrendTitle", "Reactor 2");
  LetProp(*control, "ValueAttributes", false);
  EXPECT_EQ(chart->applied, 2);
  EXPECT_EQ(chart->Shown().title, "Reactor 2");
  EXPECT_FALSE(chart->Shown().valueAttributes);
  EXPECT_EQ(CStr(GetProp(*control, "TrendTitle")), "Reactor 2");
  EXPECT_FALSE(CBool(GetProp(*control, "ValueAttributes")));
}

TEST_F(TrendOptionsTest, WithoutChartWritesAreDroppedAndReadsFallBackToDefaults) {
  LetProp(*control, "TrendTitle", "dropped");
  LetProp(*control, "ValueAttributes", false);
  EXPECT_FALSE(control->m_bTitlePending);
  EXPECT_FALSE(control->m_bValueAttributesPending);
  EXPECT_EQ(CStr(GetProp(*control, "TrendTitle")), "Plotvane");
  EXPECT_TRUE(CBool(GetProp(*control, "ValueAttributes")));
  EXPECT_TRUE(Reports().empty());
}

TEST_F(TrendOptionsTest, WithoutChartTheUserSettingsGiveTheDefaults) {
  struct Case {
    const char* ini;
    const char* title;
    bool valueAttributes;
  };
  const Case cases[] = {
      {"[Trend Area]\nTrendTitle=Boiler 1\nValueAttributesVisible=0\n", "Boiler 1", false},
      {"[Trend Area]\nValueAttributesVisible=no\n", "Plotvane", true},
      {"[Trend Area]\nValueAttributesVisible=00\n", "Plotvane", true},
      {"[Global]\nTrendTitle=Site wide\nValueAttributesVisible=0\n", "Site wide", false},
      {"", "Plotvane", true},
  };
  for (const auto& c : cases) {
    services.WriteUserSettings(c.ini);
    EXPECT_EQ(CStr(GetProp(*control, "TrendTitle")), c.title) << c.ini;
    EXPECT_EQ(CBool(GetProp(*control, "ValueAttributes")), c.valueAttributes) << c.ini;
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(TrendOptionsTest, AFailingChartIsReportedExceptForTheTitleRead) {
  GiveChart();
  chart->failWith = err::kNoSupport;
  LetProp(*control, "TrendTitle", "x");
  LetProp(*control, "ValueAttributes", false);
  EXPECT_TRUE(CBool(GetProp(*control, "ValueAttributes")));
  EXPECT_EQ(RaisedNumber([&] { GetProp(*control, "TrendTitle"); }), err::kNoSupport);
  EXPECT_EQ(Reports(),
            (std::vector<std::string>{"TrendTitle", "ValueAttributes", "ValueAttributes"}));
}

TEST_F(TrendOptionsTest, PendingOptionsReachTheChartOnceAndTheFlagsClear) {
  LetProp(*control, "xTrendTitle", "Pending");
  LetProp(*control, "xValueAttributes", false);
  GiveChart();

  ApplyPendingOptions(*control);
  EXPECT_EQ(chart->applied, 2);
  EXPECT_EQ(chart->Shown().title, "Pending");
  EXPECT_FALSE(chart->Shown().valueAttributes);
  EXPECT_FALSE(control->m_bTitlePending || control->m_bValueAttributesPending);

  LetProp(*control, "TrendTitle", "Changed by the user");
  ApplyPendingOptions(*control);
  EXPECT_EQ(chart->applied, 3);
  EXPECT_EQ(chart->Shown().title, "Changed by the user");
}

TEST_F(TrendOptionsTest, PendingFlagsClearEvenWithoutChart) {
  control->let_xTrendTitle("lost");
  control->let_xValueAttributes(false);
  ApplyPendingOptions(*control);
  EXPECT_FALSE(control->m_bTitlePending || control->m_bValueAttributesPending);
  EXPECT_EQ(control->m_sPendingTitle, "lost");
}

TEST_F(TrendOptionsTest, EachPendingStatementGoesThroughTheCallersRunner) {
  control->let_xTrendTitle("t");
  control->let_xValueAttributes(true);
  GiveChart();
  chart->failWith = err::kNoSupport;
  // A runner that skips 438 and lets every other error end the call.
  int statements = 0;
  auto skipNoSupport = [&](const std::function<void()>& statement) {
    ++statements;
    try {
      statement();
    } catch (const VbError& e) {
      if (e.number() != err::kNoSupport) throw;
    }
  };
  // The property set could not be fetched, so editing it finds no object.
  EXPECT_EQ(RaisedNumber([&] { ApplyPendingOptions(*control, skipNoSupport); }),
            err::kObjectNotSet);
  EXPECT_EQ(statements, 2);
  EXPECT_TRUE(control->m_bTitlePending);

  chart->failWith = 0;
  ApplyPendingOptions(*control, skipNoSupport);
  EXPECT_EQ(statements, 8);
  EXPECT_EQ(chart->Shown().title, "t");
}

}  // namespace
}  // namespace velkor
