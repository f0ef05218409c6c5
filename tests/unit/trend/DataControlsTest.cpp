#include "trend/DataControls.h"

#include <gtest/gtest.h>

#include <functional>

#include "control/ExcelTrendWizard.h"
#include "control/components/ProgIds.h"
#include "platform/host/OLEObjects.h"
#include "standins/host/SimWorksheet.h"
#include "trend/QuerySpecs.h"
#include "unit/model/HostModelFixture.h"
#include "unit/trend/QuerySpecFakes.h"

namespace velkor {
namespace {

using test::CallLog;

// A control on the host stand-in whose data controls are recording fakes,
// created by the host's object factory like the real ones.
class DataControlsTest : public test::HostModelFixture {
 protected:
  DataControlsTest() {
    registry->Register(component::kArchiveDataProgId,
                       [this] { return std::make_shared<test::RecordingArchiveDC>(&log); });
    registry->Register(component::kExcelDataProgId,
                       [this] { return std::make_shared<test::RecordingExcelDC>(&log); });
    driver.Activate("Sheet1!C3");  // 96 points from the left, 30 from the top
  }
  void AddArchiveTrace() {
    std::string server = "srv1", tag = "sinusoid";
    ZaltAddQuerySpec(*control, server, tag);
  }
  void AddWorksheetTraces() {
    std::string range = "Sheet1!A1:B9";
    ExcelAddQuerySpecs(*control, range);
  }

  CallLog log;
  std::shared_ptr<ExcelTrendWizard> control = std::make_shared<ExcelTrendWizard>();
};

TEST_F(DataControlsTest, FirstUseCreatesTheDataControlAtTheActiveCell) {
  struct Case {
    const char* use;
    std::function<void()> run;
    const char* name;
    bool visible;
  };
  const Case cases[] = {
      {"ZaltAddQuerySpec", [this] { AddArchiveTrace(); }, "ZaltArchiveData1_Sheet1", true},
      {"ExcelAddQuerySpecs", [this] { AddWorksheetTraces(); }, "ZaltExcelData1_Sheet1", true},
      {"ZaltQueryObject", [this] { EXPECT_TRUE(ZaltQueryObject(*control)); },
       "ZaltArchiveData1_Sheet1", false},
      {"ExcelQueryObject", [this] { EXPECT_TRUE(ExcelQueryObject(*control)); },
       "ZaltExcelData1_Sheet1", false},
  };
  for (const auto& c : cases) {
    control = std::make_shared<ExcelTrendWizard>();
    for (const auto& frame : book->FindSheet("Sheet1")->OLEObjects()->Enumerate()) frame->Delete();
    c.run();
    c.run();  // never a second data control

    const auto objects = driver.ListObjects();
    ASSERT_EQ(objects.size(), 1u) << c.use;
    EXPECT_EQ(objects[0].name, c.name) << c.use;
    EXPECT_EQ(objects[0].sheet, "Sheet1");
    EXPECT_DOUBLE_EQ(objects[0].left, 96.0);
    EXPECT_DOUBLE_EQ(objects[0].top, 30.0);
    EXPECT_DOUBLE_EQ(objects[0].width, 300.0);
    EXPECT_DOUBLE_EQ(objects[0].height, 300.0);
    EXPECT_EQ(objects[0].visible, c.visible) << c.use;
    EXPECT_EQ(control->ZaltArcDCName + control->ExcelDcName, c.name) << c.use;
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(DataControlsTest, NewDataControlsAreSwitchedOnAndGetTheLanguage) {
  control->LanguageID = "1031";
  AddWorksheetTraces();
  AddArchiveTrace();
  EXPECT_EQ(log, (CallLog{"excel:first(True)", "excel:second(True)", "excel:1031",
                          "excel:add(Sheet1!A1:B9,0,0,0,0,False,?,False)", "archive:1031",
                          "archive:add(srv1,sinusoid,*-8H,*,False,?,?,0)"}));
}

TEST_F(DataControlsTest, SecondTrendOnTheSheetNumbersItsDataControlsOn) {
  AddArchiveTrace();
  control = std::make_shared<ExcelTrendWizard>();
  AddArchiveTrace();
  EXPECT_EQ(control->ZaltArcDCName, "ZaltArchiveData2_Sheet1");
}

TEST_F(DataControlsTest, ControlThatCannotBePlacedIsReportedAndNotHeld) {
  struct Case {
    std::function<void()> breakHost;
    std::vector<std::string> reports;
  };
  const Case cases[] = {
      {[&] { registry->Unregister(component::kArchiveDataProgId); },
       {"Zalt-KX-TrendWizard>Error 429: ", "in InsertControl",
        "Zalt-KX-TrendWizard>Error 91: ", "in  ETW_ZaltAddQuerySpec"}},
      {[&] {
         registry->Register(component::kArchiveDataProgId,
                            [] { return std::make_shared<host_test::PlainObject>(); });
       },
       {"Zalt-KX-TrendWizard>Error 13: ", "in  ETW_ZaltAddQuerySpec"}},
  };
  for (const auto& c : cases) {
    test::CapturedLog reports;
    c.breakHost();
    AddArchiveTrace();
    EXPECT_FALSE(control->m_objZaltArcDC);
    EXPECT_EQ(control->ZaltArcDCName, "");
    const auto lines = reports.Lines();
    ASSERT_EQ(lines.size() * 2, c.reports.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].rfind(c.reports[2 * i], 0), 0u) << lines[i];
      EXPECT_NE(lines[i].find(c.reports[2 * i + 1]), std::string::npos) << lines[i];
    }
  }
}

TEST_F(DataControlsTest, WorksheetQueryObjectOfAFailedCreationIsNothingAndReported) {
  registry->Unregister(component::kExcelDataProgId);
  EXPECT_EQ(ExcelQueryObject(*control), nullptr);
  EXPECT_NE(ZaltQueryObject(*control), nullptr);  // the archive data control is unaffected
  const auto lines = Reports();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("in InsertControl"), std::string::npos);
  EXPECT_NE(lines[1].find("in Property Get ExcelQueryObject"), std::string::npos);
  EXPECT_TRUE(control->m_objZaltArcDC);
}

}  // namespace
}  // namespace velkor
