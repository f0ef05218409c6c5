#include "trend/QuerySpecs.h"

#include <gtest/gtest.h>

#include <functional>

#include "control/ExcelTrendWizard.h"
#include "model/Globals.h"
#include "os/linux/ObjectRegistry.h"
#include "platform/os/MessageBox.h"
#include "platform/os/OsServices.h"
#include "standins/MemoryLogSink.h"
#include "standins/ScriptedMessageBox.h"
#include "standins/ShellObject.h"
#include "standins/host/SimApplication.h"
#include "support/Language.h"
#include "unit/control/InvokeHelpers.h"
#include "unit/platform/RaisedNumber.h"
#include "unit/trend/QuerySpecFakes.h"

namespace velkor {
namespace {

using test::CallLog;
using test::Shown;

// A control that already holds both data controls, so nothing is created.
class QuerySpecsTest : public ::testing::Test {
 protected:
  QuerySpecsTest() {
    objects->Register(sim::ShellObject::kProgId,
                      [] { return std::make_shared<sim::ShellObject>(); });
    os::Services services;
    services.objects = objects;
    services.messageBox = messageBox;
    services.log = reports;
    os::InstallOsServices(services);
    ResetThreadLanguage();
    control->m_objZaltArcDC.Assign(archive);
    control->m_objExcelDC.Assign(excel);
  }
  ~QuerySpecsTest() override {
    gAppExcel = nullptr;
    os::InstallOsServices(saved_);
  }
  std::vector<std::string> Reports() const { return reports->Lines(); }

  os::Services saved_ = os::OsServices();
  std::shared_ptr<sim::ObjectRegistry> objects = std::make_shared<sim::ObjectRegistry>();
  std::shared_ptr<sim::ScriptedMessageBox> messageBox = std::make_shared<sim::ScriptedMessageBox>();
  std::shared_ptr<sim::MemoryLogSink> reports = std::make_shared<sim::MemoryLogSink>();
  CallLog log;
  std::shared_ptr<ExcelTrendWizard> control = std::make_shared<ExcelTrendWizard>();
  std::shared_ptr<test::RecordingArchiveDC> archive =
      std::make_shared<test::RecordingArchiveDC>(&log);
  std::shared_ptr<test::RecordingExcelDC> excel = std::make_shared<test::RecordingExcelDC>(&log);
};

TEST_F(QuerySpecsTest, ArchiveTraceTakesTrimmedNamesAndTheDataControlsTimeRange) {
  std::string server = "  srv1 ";
  std::string tag = " sinusoid  ";
  ZaltAddQuerySpec(*control, server, tag, Variant("*-1h"), Variant("*-30m"), Variant(""),
                   Variant::Missing(), true);

  EXPECT_EQ(server, "srv1");
  EXPECT_EQ(tag, "sinusoid");
  EXPECT_EQ(log, (CallLog{"archive:add(srv1,sinusoid,*-8H,*,True,?,?,0)"}));
  EXPECT_TRUE(Reports().empty());
}

TEST_F(QuerySpecsTest, WorksheetTracesPassTheFlagsOnAndDropFilterAndTimeZone) {
  std::string range = " Sheet1!A1:B5 ";
  ExcelAddQuerySpecs(*control, range, Variant(true), Variant(std::int16_t{0}),
                     Variant(std::int32_t{1}), Variant(false), Variant("x>1"), Variant("UTC"),
                     Variant(true));

  EXPECT_EQ(range, " Sheet1!A1:B5 ");  // passed on as given
  EXPECT_EQ(log, (CallLog{"excel:add( Sheet1!A1:B5 ,True,0,1,False,True,?,False)"}));
}

TEST_F(QuerySpecsTest, GroupedChangeIsOpenedBeforeEveryAddAndRemove) {
  archive->query->specs->Add("\\\\srv1\\sinusoid");
  struct Case {
    const char* name;
    std::function<void(ExcelTrendWizard&)> run;
    const char* first;
  };
  const Case cases[] = {
      {"ZaltAddQuerySpec",
       [](ExcelTrendWizard& c) {
         std::string server = "srv1", tag = "t";
         ZaltAddQuerySpec(c, server, tag);
       },
       "archive:begin"},
      {"ZaltRemoveQuerySpec", [](ExcelTrendWizard& c) { ZaltRemoveQuerySpec(c, Variant(1)); },
       "archive:begin"},
      {"ExcelAddQuerySpecs",
       [](ExcelTrendWizard& c) {
         std::string range = "A1:B2";
         ExcelAddQuerySpecs(c, range);
       },
       "excel:begin"},
      {"ExcelRemoveQuerySpec", [](ExcelTrendWizard& c) { ExcelRemoveQuerySpec(c, Variant(2)); },
       "excel:begin"},
  };
  for (bool grouped : {false, true}) {
    for (const auto& c : cases) {
      log.clear();
      control->StartGroupedChange = grouped;
      c.run(*control);
      ASSERT_EQ(log.size(), grouped ? 2u : 1u) << c.name;
      EXPECT_EQ(log.front() == c.first, grouped) << c.name;
    }
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(QuerySpecsTest, RemovingAnArchiveTraceSplitsItsNameIntoServerAndTag) {
  archive->query->specs->Add("\\\\srv1\\sinusoid");
  archive->query->specs->Add("\\\\srv2\\unit\\tag");
  archive->query->specs->Add("\\\\");
  struct Case {
    Variant item;
    const char* expected;  // nullptr: nothing removed
  };
  const Case cases[] = {
      {Variant(1), "archive:remove(srv1,sinusoid)"},
      {Variant("\\\\srv2\\unit\\tag"), "archive:remove(srv2,unit\\tag)"},
      {Variant(3), nullptr},  // no "\" after the server: reported
      {Variant(9), nullptr},  // no such specification: reported
  };
  for (const auto& c : cases) {
    log.clear();
    ZaltRemoveQuerySpec(*control, c.item);
    if (c.expected) {
      EXPECT_EQ(log, CallLog{c.expected}) << Shown(c.item);
    } else {
      EXPECT_TRUE(log.empty()) << Shown(c.item);
    }
  }
  EXPECT_EQ(Reports(),
            (std::vector<std::string>{
                "Zalt-KX-TrendWizard>Error 5: Invalid procedure call or argument in  "
                "ZaltRemoveQuerySpec",
                "Zalt-KX-TrendWizard>Error 9: Subscript out of range in  ZaltRemoveQuerySpec"}));
}

TEST_F(QuerySpecsTest, SpecificationTheDataControlDoesNotHoldIsIgnoredSilently) {
  archive->query->specs->Add("\\\\srv1\\gone");
  archive->removeError = err::kSpecNotHeld;
  ZaltRemoveQuerySpec(*control, Variant(1));
  EXPECT_TRUE(Reports().empty());

  archive->removeError = err::kE_FAIL;
  ZaltRemoveQuerySpec(*control, Variant(1));
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_NE(Reports()[0].find(" in  ZaltRemoveQuerySpec"), std::string::npos);
}

TEST_F(QuerySpecsTest, DuplicateArchiveTraceIsShownAndRaisedToTheCaller) {
  auto app = sim::SimApplication::Create();
  app->SetScreenMousePointer(11);
  gAppExcel = app;
  archive->addError = err::kDuplicateSpec;

  std::string server = "srv1", tag = "sinusoid";
  try {
    ZaltAddQuerySpec(*control, server, tag);
    ADD_FAILURE() << "no error raised";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kDuplicateSpec);
    EXPECT_EQ(e.source(), "ZaltAddQuerySpec");
    EXPECT_EQ(e.description(), "Duplicated trace names.");
  }

  const auto& shown = messageBox->Shown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Duplicated trace names.");
  EXPECT_EQ(shown[0].title, "Insert Trend Wizard");
  EXPECT_EQ(shown[0].type, os::kMbOk | os::kMbIconExclamation);
  EXPECT_EQ(app->ScreenMousePointer(), 0);
  EXPECT_TRUE(Reports().empty());
  app->Quit();
}

TEST_F(QuerySpecsTest, OtherArchiveErrorsAreReportedNotRaised) {
  archive->addError = err::kE_FAIL;
  std::string server = "srv1", tag = "sinusoid";
  EXPECT_EQ(platform_test::RaisedNumber([&] { ZaltAddQuerySpec(*control, server, tag); }), 0);
  EXPECT_TRUE(messageBox->Shown().empty());
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_NE(Reports()[0].find(" in  ETW_ZaltAddQuerySpec"), std::string::npos);
}

TEST_F(QuerySpecsTest, RequeryGoesToTheArchiveThenTheWorksheetAndRevertOnlyToTheArchive) {
  QueryData(*control, 3);
  ZaltRevert(*control);
  EXPECT_EQ(log, (CallLog{"archive:query(3)", "excel:query(3,True)", "archive:revert"}));
}

TEST_F(QuerySpecsTest, QueryObjectsComeFromTheHeldDataControls) {
  EXPECT_EQ(ZaltQueryObject(*control), archive->query);
  EXPECT_EQ(ExcelQueryObject(*control), excel->query);
  EXPECT_TRUE(log.empty());
}

TEST_F(QuerySpecsTest, WithoutDataControlsRemovalRevertAndRequeryDoNothing) {
  control->m_objZaltArcDC.Clear();
  control->m_objExcelDC.Clear();
  ExcelRemoveQuerySpec(*control, Variant(1));
  ZaltRemoveQuerySpec(*control, Variant(1));
  ZaltRevert(*control);
  QueryData(*control, 0);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(Reports().empty());
}

TEST_F(QuerySpecsTest, LateBoundCallsFillDefaultsAndWriteTrimmedNamesBack) {
  std::vector<Variant> add = {Variant(" srv1 "), Variant(" sinusoid ")};
  test::CallMethod(*control, "ZaltAddQuerySpec", add);
  EXPECT_EQ(add[0].AsString(), "srv1");
  EXPECT_EQ(add[1].AsString(), "sinusoid");

  std::vector<Variant> range = {Variant("Sheet1!A1:A9")};
  test::CallMethod(*control, "ExcelAddQuerySpecs", range);
  std::vector<Variant> mode = {Variant(std::int32_t{2})};
  test::CallMethod(*control, "QueryData", mode);

  EXPECT_EQ(log, (CallLog{"archive:add(srv1,sinusoid,*-8H,*,False,?,?,0)",
                          "excel:add(Sheet1!A1:A9,0,0,0,0,False,?,False)", "archive:query(2)",
                          "excel:query(2,True)"}));
  EXPECT_EQ(test::GetProp(*control, "ZaltQueryObject").AsObject(), archive->query);
}

TEST_F(QuerySpecsTest, LateBoundDuplicateReachesTheScript) {
  archive->addError = err::kDuplicateSpec;
  std::vector<Variant> add = {Variant("srv1"), Variant("sinusoid")};
  EXPECT_EQ(
      platform_test::RaisedNumber([&] { test::CallMethod(*control, "ZaltAddQuerySpec", add); }),
      err::kDuplicateSpec);
}

}  // namespace
}  // namespace velkor
