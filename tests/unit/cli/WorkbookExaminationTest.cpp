#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/Traces.h"
#include "standins/SimServices.h"
#include "tools/examine/WorkbookExamination.h"

namespace velkor::sim::inspect {
namespace {

const char* const kGoodXml =
    "<traceinfo><trace1><TraceName>\\\\srv1\\ramp</TraceName><DataSourceName> "
    "zaltarchivedata1_sheet1 </DataSourceName><TraceOrder>1</TraceOrder></trace1></traceinfo>";

OleObjectData Object(std::string progId, std::string name, PropertyList properties = {}) {
  OleObjectData object;
  object.progId = std::move(progId);
  object.name = std::move(name);
  object.properties = std::move(properties);
  return object;
}

WorkbookData Book(PropertyList controlProperties, std::vector<OleObjectData> others) {
  SheetData sheet;
  sheet.name = "Setup";
  sheet.objects.push_back(Object(std::string(kExcelTrendWizardProgId), "ExcelTrendWizard1",
                                 std::move(controlProperties)));
  for (auto& other : others) sheet.objects.push_back(std::move(other));
  WorkbookData book;
  book.sheets.push_back(std::move(sheet));
  return book;
}

class WorkbookInspection : public ::testing::Test {
 protected:
  WorkbookInspection() {
    SimOptions options;
    options.languageLibraries = false;
    options.logToFile = false;
    services_ = InstallSimServices(options);
  }

  std::vector<ControlInspection> Inspect(const WorkbookData& book) {
    return InspectWorkbook(book, *services_.log);
  }

  SimServices services_;
};

TEST_F(WorkbookInspection, AWellFormedControlShowsEveryKeyAndNoProblem) {
  const auto controls =
      Inspect(Book({{"TrendName", Variant("ZaltTrend1_Sheet1")},
                    {"ZaltArcDCName", Variant("ZaltArchiveData1_Sheet1")},
                    {"TrendSheetName", Variant("Setup")},
                    {"bFirstSetTime", Variant(false)},
                    {"TraceInfoXML", Variant(kGoodXml)}},
                   {Object("ZaltTrend.ZaltTrend.1", "ZaltTrend1_Sheet1"),
                    Object("ZaltDAArc.ZaltArchiveData", "ZaltArchiveData1_Sheet1")}));
  ASSERT_EQ(controls.size(), 1u);
  const auto& control = controls[0];
  EXPECT_EQ(control.properties.size(), 19u);
  EXPECT_TRUE(control.problems.empty()) << control.problems.front().message;
  ASSERT_EQ(control.traces.rows.size(), 1u);
  for (const auto& row : control.properties) {
    const bool stored = row.key == "TrendName" || row.key == "ZaltArcDCName" ||
                        row.key == "TrendSheetName" || row.key == "bFirstSetTime" ||
                        row.key == "TraceInfoXML";
    EXPECT_EQ(row.stored, stored) << row.key;
    EXPECT_EQ(row.isDefault, !stored) << row.key;
  }
  EXPECT_EQ(ShowValue(control.properties[0].value), "ExcelTrendwizard1");
}

struct ProblemCase {
  PropertyList properties;
  const char* problem;
  const char* code;  // stable names for programs reading inspect --json
  const char* key;
};

TEST_F(WorkbookInspection, NamesWhatDoesNotFitTogether) {
  const ProblemCase cases[] = {
      {{{"TrendName", Variant("ZaltTrend9_Sheet1")}},
       "TrendName names 'ZaltTrend9_Sheet1'",
       "missing-object",
       "TrendName"},
      {{{"TrendName", Variant("Other")}},
       "which is a Forms.Label, not a trend chart",
       "wrong-class",
       "TrendName"},
      {{{"ZaltArcDCName", Variant("Gone")}},
       "no archive data control",
       "missing-object",
       "ZaltArcDCName"},
      {{{"ExcelDcName", Variant("Gone")}},
       "no worksheet data control",
       "missing-object",
       "ExcelDcName"},
      {{{"TraceInfoXML", Variant("<traceinfo><trace1>")}},
       "not well-formed",
       "trace-info-not-xml",
       "TraceInfoXML"},
      {{{"TraceInfoXML", Variant("<t><r><TraceOrder>x</TraceOrder></r></t>")}},
       "stopped",
       "trace-info-partial",
       "TraceInfoXML"},
      {{{"TraceInfoXML", Variant("<t><r><DataSourceName>Gone</DataSourceName></r></t>")}},
       "trace 1: DataSourceName 'Gone'",
       "missing-data-source",
       "TraceInfoXML"},
      {{{"tglStartTime", Variant("maybe")}},
       "cannot be read as Boolean",
       "wrong-type",
       "tglStartTime"},
      {{{"Colour", Variant("red")}}, "unknown key Colour", "unknown-key", "Colour"},
  };
  for (const auto& c : cases) {
    const auto controls = Inspect(Book(c.properties, {Object("Forms.Label", "Other")}));
    ASSERT_EQ(controls.size(), 1u);
    const auto& problems = controls[0].problems;
    const auto found = std::find_if(problems.begin(), problems.end(), [&](const Problem& p) {
      return p.message.find(c.problem) != std::string::npos;
    });
    ASSERT_NE(found, problems.end()) << c.problem;
    EXPECT_EQ(found->code, c.code) << c.problem;
    EXPECT_EQ(found->key, c.key) << c.problem;
  }
}

TEST_F(WorkbookInspection, AMissingDataControlThatWasRemovedOnPurposeIsNoProblem) {
  const auto controls =
      Inspect(Book({{"ZaltArcDCName", Variant("Gone")}, {"bZaltArcDCRemoved", Variant(true)}}, {}));
  EXPECT_TRUE(controls[0].problems.empty());
}

TEST_F(WorkbookInspection, ReadingTheRecordsLeavesTheThreadsRecordsAlone) {
  ResetTraces(2);
  gTraces[1].TraceName = "kept";
  Inspect(Book({{"TraceInfoXML", Variant(kGoodXml)}}, {}));
  ASSERT_EQ(TracesUBound(), 2);
  EXPECT_EQ(gTraces[1].TraceName, "kept");
  ResetTraces(0);
}

}  // namespace
}  // namespace velkor::sim::inspect
