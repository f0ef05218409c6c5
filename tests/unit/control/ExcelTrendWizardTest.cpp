#include "control/ExcelTrendWizard.h"

#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "standins/SimServices.h"
#include "unit/control/Fakes.h"
#include "unit/control/InvokeHelpers.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor {
namespace {

using platform_test::RaisedNumber;
using test::GetProp;
using test::LetProp;

class ExcelTrendWizardTest : public ::testing::Test {
 protected:
  std::shared_ptr<ExcelTrendWizard> control = std::make_shared<ExcelTrendWizard>();
  test::CallLog log;
};

TEST_F(ExcelTrendWizardTest, NewControlHoldsTheCreationValues) {
  struct Case {
    const char* member;
    Variant expected;
  };
  const Case cases[] = {
      {"TrendName", ""},
      {"TrendPosition", "$A$1"},
      {"strStartTime", ""},
      {"strEndTime", ""},
      {"bFirstSetTime", true},
      {"tglStartTime", false},
      {"bIsExport", false},
      {"LanguageID", ""},
      {"ExcelDCConnected", false},
      {"StartGroupedChange", false},
      {"objTrend", Variant::Nothing()},
  };
  for (const auto& c : cases) {
    Variant v = GetProp(*control, c.member);
    EXPECT_EQ(v.type(), c.expected.type()) << c.member;
    EXPECT_EQ(v.TypeName(), c.expected.TypeName()) << c.member;
    if (v.IsString()) {
      EXPECT_EQ(v.AsString(), c.expected.AsString()) << c.member;
    } else if (v.type() == VarType::Boolean) {
      EXPECT_EQ(v.AsBool(), c.expected.AsBool()) << c.member;
    }
  }
  EXPECT_TRUE(control->m_bValueAttributes);
  EXPECT_FALSE(control->m_bValueAttributesPending);
  EXPECT_FALSE(control->m_bTitlePending);
}

TEST_F(ExcelTrendWizardTest, SiteGivesAReconnectionTimerThatWaitsToBeEnabled) {
  EXPECT_EQ(control->Timer1, nullptr);
  auto site = std::make_shared<test::FakeSite>();
  control->SetSite(site);
  ASSERT_EQ(site->timers.size(), 1u);
  EXPECT_EQ(control->Timer1, site->timers[0]);
  EXPECT_EQ(site->timers[0]->interval, 5000);
  EXPECT_FALSE(site->timers[0]->enabled);
}

TEST_F(ExcelTrendWizardTest, TextPropertiesStoreTheTextOfTheValue) {
  struct Case {
    Variant value;
    const char* text;
  };
  const Case cases[] = {
      {std::int32_t{42}, "42"}, {true, "True"}, {2.5, "2.5"}, {"Sheet1", "Sheet1"}};
  for (const char* member : {"TrendName", "ExcelDcName", "ZaltArcDCName", "TrendPosition"}) {
    for (const auto& c : cases) {
      LetProp(*control, member, c.value);
      Variant got = GetProp(*control, member);
      ASSERT_TRUE(got.IsString()) << member;
      EXPECT_EQ(got.AsString(), c.text) << member;
    }
  }
  EXPECT_EQ(control->TrendName, "Sheet1");
}

TEST_F(ExcelTrendWizardTest, TextPropertyFailsForAValueWithoutTextAndKeepsTheOldOne) {
  LetProp(*control, "TrendName", "ZaltTrend1_Sheet1");
  EXPECT_EQ(RaisedNumber([&] { LetProp(*control, "TrendName", Variant::Null()); }),
            err::kInvalidUseOfNull);
  EXPECT_NE(RaisedNumber([&] {
              LetProp(*control, "TrendName", std::make_shared<platform_test::PlainObject>());
            }),
            0);
  EXPECT_EQ(control->TrendName, "ZaltTrend1_Sheet1");
}

TEST_F(ExcelTrendWizardTest, TimePropertiesKeepTheSubtype) {
  LetProp(*control, "strStartTime", DateValue{46000.25});
  Variant start = GetProp(*control, "strStartTime");
  ASSERT_EQ(start.type(), VarType::Date);
  EXPECT_EQ(start.AsDate().serial, 46000.25);
  LetProp(*control, "strEndTime", Variant::Null());
  EXPECT_TRUE(GetProp(*control, "strEndTime").IsNull());
}

TEST_F(ExcelTrendWizardTest, ExportFlagConvertsToBoolean) {
  LetProp(*control, "bIsExport", std::int32_t{-1});
  Variant flag = GetProp(*control, "bIsExport");
  ASSERT_EQ(flag.type(), VarType::Boolean);
  EXPECT_TRUE(flag.AsBool());
  EXPECT_EQ(RaisedNumber([&] { LetProp(*control, "bIsExport", "maybe"); }), err::kTypeMismatch);
  EXPECT_TRUE(control->bIsExport);
}

TEST_F(ExcelTrendWizardTest, EveryTraceInfoLetMarksTheControlDirty) {
  auto site = std::make_shared<test::FakeSite>();
  control->SetSite(site);
  LetProp(*control, "TraceInfo", "<Traces/>");
  LetProp(*control, "TraceInfo", "<Traces/>");
  EXPECT_EQ(site->changed, (std::vector<std::string>{"TraceInfo", "TraceInfo"}));
  EXPECT_EQ(GetProp(*control, "TraceInfo").AsString(), "<Traces/>");
}

TEST_F(ExcelTrendWizardTest, TraceInfoLetWithoutSiteOnlyStores) {
  control->let_TraceInfo("<Traces/>");
  EXPECT_EQ(control->TraceInfo, "<Traces/>");
}

class LanguageTest : public ExcelTrendWizardTest {
 protected:
  void BindAll() {
    control->m_objTrend.Assign(chart);
    control->m_objExcelDC.Assign(excel);
    control->m_objZaltArcDC.Assign(archive);
  }
  std::shared_ptr<test::FakeChart> chart = std::make_shared<test::FakeChart>(&log);
  std::shared_ptr<test::FakeArchiveDC> archive = std::make_shared<test::FakeArchiveDC>(&log);
  std::shared_ptr<test::FakeExcelDC> excel = std::make_shared<test::FakeExcelDC>(&log);
};

TEST_F(LanguageTest, ReachesChartThenArchiveThenWorksheetControl) {
  BindAll();
  LetProp(*control, "LanguageID", "1049");
  EXPECT_EQ(log, (test::CallLog{"chart:1049", "archive:1049", "excel:1049"}));
  EXPECT_EQ(GetProp(*control, "LanguageID").AsString(), "1049");
}

TEST_F(LanguageTest, AnUnchangedValueTouchesNothingButCaseCounts) {
  control->LanguageID = "de";
  BindAll();
  control->let_LanguageID("de");
  EXPECT_TRUE(log.empty());
  control->let_LanguageID("DE");
  EXPECT_EQ(log.size(), 3u);
}

TEST_F(LanguageTest, OnlyTheBoundComponentsAreReached) {
  control->let_LanguageID("1031");
  EXPECT_EQ(control->LanguageID, "1031");
  control->m_objExcelDC.Assign(excel);
  control->let_LanguageID("1033");
  EXPECT_EQ(log, test::CallLog{"excel:1033"});
}

TEST_F(LanguageTest, AFailingChartEndsTheLetWithItsError) {
  BindAll();
  chart->probe.languageError = err::kAppDefined;
  EXPECT_EQ(RaisedNumber([&] { LetProp(*control, "LanguageID", "1049"); }), err::kAppDefined);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(control->LanguageID, "1049");
}

TEST_F(ExcelTrendWizardTest, PendingTitleAndValueAttributesWaitForTheChart) {
  auto chart = std::make_shared<test::FakeChart>();
  control->m_objTrend.Assign(chart);
  LetProp(*control, "xTrendTitle", "Boiler");
  LetProp(*control, "xValueAttributes", false);
  EXPECT_EQ(control->m_sPendingTitle, "Boiler");
  EXPECT_TRUE(control->m_bTitlePending);
  EXPECT_FALSE(control->m_bValueAttributes);
  EXPECT_TRUE(control->m_bValueAttributesPending);
  EXPECT_EQ(chart->applied, 0);
}

TEST_F(ExcelTrendWizardTest, DataChangesArePassedOnOnceWithTheSameArguments) {
  auto archive = std::make_shared<test::FakeArchiveDC>();
  auto excel = std::make_shared<test::FakeExcelDC>();
  LetProp(*control, "objZaltArcDC", archive);
  LetProp(*control, "objExcelDC", excel);
  std::vector<std::pair<ObjectPtr, std::int32_t>> zalt, sheet;
  auto z = control->ZaltOnDataChange.Connect(
      [&](ObjectPtr d, const Variant& m) { zalt.emplace_back(d, m.AsLong()); });
  auto e = control->ExcelOnDataChange.Connect(
      [&](ObjectPtr d, const Variant& m) { sheet.emplace_back(d, m.AsLong()); });
  auto data = std::make_shared<test::FakeDataObject>();
  archive->OnDataChange.Raise(data, std::int32_t{3});
  excel->OnDataChange.Raise(data, std::int32_t{1});
  ASSERT_EQ(zalt.size(), 1u);
  EXPECT_EQ(zalt[0].first, data);
  EXPECT_EQ(zalt[0].second, 3);
  ASSERT_EQ(sheet.size(), 1u);
  EXPECT_EQ(sheet[0].first, data);
  EXPECT_EQ(sheet[0].second, 1);
}

TEST_F(ExcelTrendWizardTest, ReplacedDataControlNoLongerReachesTheControl) {
  auto old = std::make_shared<test::FakeExcelDC>();
  control->m_objExcelDC.Assign(old);
  control->m_objExcelDC.Assign(std::make_shared<test::FakeExcelDC>());
  int raised = 0;
  auto c = control->ExcelOnDataChange.Connect([&](ObjectPtr, const Variant&) { ++raised; });
  old->OnDataChange.Raise(nullptr, std::int32_t{1});
  EXPECT_EQ(raised, 0);
}

TEST_F(ExcelTrendWizardTest, ReassigningTheChartMovesTheMenuConnection) {
  auto first = std::make_shared<test::FakeChart>();
  auto second = std::make_shared<test::FakeChart>();
  LetProp(*control, "objTrend", first);
  EXPECT_EQ(first->OnUserDefinedMenuItem.ConnectionCount(), 1u);
  LetProp(*control, "objTrend", second);
  EXPECT_EQ(first->OnUserDefinedMenuItem.ConnectionCount(), 0u);
  EXPECT_EQ(second->OnUserDefinedMenuItem.ConnectionCount(), 1u);
  EXPECT_EQ(GetProp(*control, "objTrend").AsObject(), second);
  LetProp(*control, "objTrend", Variant::Nothing());
  EXPECT_EQ(second->OnUserDefinedMenuItem.ConnectionCount(), 0u);
  EXPECT_TRUE(GetProp(*control, "objTrend").IsNothing());
}

TEST_F(ExcelTrendWizardTest, ObjectPropertyRefusesAnotherKindOfObject) {
  auto chart = std::make_shared<test::FakeChart>();
  control->m_objTrend.Assign(chart);
  EXPECT_EQ(
      RaisedNumber([&] { LetProp(*control, "objTrend", std::make_shared<test::FakeExcelDC>()); }),
      err::kTypeMismatch);
  EXPECT_EQ(control->m_objTrend.get(), chart);
}

TEST_F(ExcelTrendWizardTest, ControlTearsDownItsConnections) {
  auto chart = std::make_shared<test::FakeChart>();
  control->m_objTrend.Assign(chart);
  control.reset();
  EXPECT_EQ(chart->OnUserDefinedMenuItem.ConnectionCount(), 0u);
  chart->OnUserDefinedMenuItem.Raise(std::int32_t{1});
}

TEST_F(ExcelTrendWizardTest, ShellMsgBoxShowsTheBoxAndReturnsTheAnswer) {
  sim::SimOptions options;
  options.languageLibraries = false;
  auto services = sim::InstallSimServices(options);
  services.messageBox->QueueAnswers({2, 6});
  std::vector<Variant> prompt = {"x"};
  EXPECT_EQ(test::CallMethod(*control, "ShellMsgBox", prompt).AsLong(), 2);
  EXPECT_EQ(control->ShellMsgBox("Delete?", "Delete Trend", 36), 6);
  const auto& shown = services.messageBox->Shown();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "x");
  EXPECT_EQ(shown[0].title, "");
  EXPECT_EQ(shown[0].type, 65);
  EXPECT_EQ(shown[1].title, "Delete Trend");
  EXPECT_EQ(shown[1].type, 36);
}

}  // namespace
}  // namespace velkor
