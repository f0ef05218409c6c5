// The replacement of an archive trace's query when its tag or server cell
// changes: the range the user had in effect, the cell attributes written to
// the new query, and records that are saved only when they were read whole.
#include <gtest/gtest.h>

#include <utility>

#include "control/components/ArchiveDataControl.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpec.h"
#include "control/components/QuerySpecs.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "platform/Conversions.h"
#include "standins/components/library/QuerySpecAttributeList.h"
#include "trend/QuerySpecs.h"
#include "trend/TimeRange.h"
#include "unit/sync/SyncHost.h"
#include "unit/trend/OptionFakes.h"

namespace velkor::test {
namespace {

class ArchiveReplacementTest : public SyncHost {
 protected:
  std::pair<std::string, std::string> Range(bool temporary) {
    Variant start, end;
    control->m_objZaltArcDC->GetTimeRange(temporary, start, end, Variant::Missing());
    return {CStr(start), CStr(end)};
  }

  std::shared_ptr<ExcelTrendWizard> control =
      Trend({{"sinusoid", 1, "Sheet1!$A$10", "Sheet2!$B$1", 7}, {"ramp", 2, "", "", 8}});
};

TEST_F(ArchiveReplacementTest, TheNewQueryKeepsTheRangeInEffectAndCarriesItsCells) {
  driver.SetCells("Sheet2!B1", Variant("srv1"));
  bool temporary = true;
  Variant start("*-1h"), end("*-10m");
  ZaltSetTimeRange(*control, temporary, start, end);  // in effect only, not saved
  driver.EditCells("Sheet1!A10", Variant("cdt158"));

  EXPECT_EQ(Range(true), std::make_pair(std::string("*-1h"), std::string("*-10m")));
  EXPECT_EQ(Range(false), Range(true));  // put back as the saved range too
  EXPECT_EQ(ArchiveSpecNames(*control),
            (std::vector<std::string>{"\\\\srv1\\ramp", "\\\\srv1\\cdt158"}));
  EXPECT_EQ(ChartTraceNames(*control),
            (std::vector<std::string>{"\\\\srv1\\cdt158", "\\\\srv1\\ramp"}));

  auto specs = ZaltQueryObject(*control)->QuerySpecs();
  auto attributes = std::dynamic_pointer_cast<sim::SimSpecAttributes>(
      specs->Item(Variant(specs->Count()))->Attributes());
  ASSERT_TRUE(attributes);
  std::vector<std::pair<std::int32_t, std::string>> written;
  for (const auto& [key, attribute] : attributes->Entries())
    if (key >= 10100 && key <= 10103) written.emplace_back(key, CStr(attribute->Value()));
  EXPECT_EQ(
      written,
      (std::vector<std::pair<std::int32_t, std::string>>{
          {10101, "Sheet2!$B$1"}, {10103, "Sheet1!$A$10"}, {10100, "srv1"}, {10102, "cdt158"}}));

  ASSERT_EQ(ReadXML(control->TraceInfo), ParseOutcome::Complete);
  ASSERT_EQ(TracesUBound(), 2);
  EXPECT_EQ(gTraces[1].TraceName, "\\\\srv1\\cdt158");
  EXPECT_EQ(gTraces[1].TagName, "cdt158");
  EXPECT_EQ(gTraces[1].TraceOrder, 1);
  EXPECT_EQ(gTraces[1].qsIndex, 7);
  EXPECT_EQ(gTraces[2].qsIndex, 8);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(ArchiveReplacementTest, AServerCellThatCannotBeReadLeavesTheTraceAlone) {
  for (const char* serverCell : {"Nowhere!$B$1", "[Gone.xlsx]Sheet1!$B$1"}) {
    const std::string records = TraceInfoOf({{"sinusoid", 1, "Sheet1!$A$10", serverCell}});
    control->let_TraceInfo(records);
    driver.EditCells("Sheet1!A10", Variant("cdt158"));
    EXPECT_EQ(ArchiveSpecNames(*control),
              (std::vector<std::string>{"\\\\srv1\\sinusoid", "\\\\srv1\\ramp"}));
    EXPECT_EQ(control->TraceInfo, records);
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(ArchiveReplacementTest, RecordsReadOnlyInPartAreNeverWrittenBack) {
  std::string partial = TraceInfoOf({{"sinusoid", 1, "Sheet1!$A$10"}, {"ramp", 2}});
  partial.replace(partial.rfind("<TraceOrder>2<"), 14, "<TraceOrder>x<");
  control->let_TraceInfo(partial);
  driver.EditCells("Sheet1!A10", Variant("cdt158"));
  // The query follows the cell; the text keeps the record the parse did not reach.
  EXPECT_EQ(ArchiveSpecNames(*control),
            (std::vector<std::string>{"\\\\srv1\\ramp", "\\\\srv1\\cdt158"}));
  EXPECT_EQ(control->TraceInfo, partial);
  EXPECT_EQ(ReportedIn(Reports()), std::vector<std::string>{"ReadXML"});
}

}  // namespace
}  // namespace velkor::test
