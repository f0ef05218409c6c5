#include <gtest/gtest.h>

#include <ostream>

#include "platform/ErrorNumbers.h"
#include "platform/host/OLEObject.h"
#include "platform/host/OLEObjects.h"
#include "platform/host/Worksheet.h"
#include "standins/components/chart/TraceList.h"
#include "standins/host/SimApplication.h"
#include "unit/components/chart/ChartFixture.h"

namespace velkor::chart_test {
namespace {

struct MergeCase {
  const char* what;
  std::vector<sim::TraceKey> before;
  std::vector<std::string> series;  // of source "A"
  std::vector<sim::TraceKey> after;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const MergeCase& c, std::ostream* os) {
  *os << c.what;
}

class TraceMergeTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(TraceMergeTest, KeepsPlacesDropsGoneAppendsNew) {
  const auto& c = GetParam();
  sim::TraceList list;
  list.Assign(c.before);
  list.Merge("A", c.series);
  EXPECT_EQ(list.All(), c.after) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, TraceMergeTest,
    ::testing::Values(
        MergeCase{"first series in feed order", {}, {"x", "y"}, {{"A", "x"}, {"A", "y"}}},
        MergeCase{"kept traces stay where the chart put them",
                  {{"A", "y"}, {"B", "b"}, {"A", "x"}},
                  {"x", "y", "z"},
                  {{"A", "y"}, {"B", "b"}, {"A", "x"}, {"A", "z"}}},
        MergeCase{"gone series are dropped, other sources untouched",
                  {{"B", "x"}, {"A", "x"}, {"A", "y"}},
                  {"y"},
                  {{"B", "x"}, {"A", "y"}}},
        MergeCase{"no series left", {{"A", "x"}}, {}, {}},
        MergeCase{"a repeated name stands for two traces",
                  {{"A", "x"}},
                  {"x", "y", "x"},
                  {{"A", "x"}, {"A", "y"}, {"A", "x"}}},
        MergeCase{
            "a surplus duplicate trace is dropped", {{"A", "x"}, {"A", "x"}}, {"x"}, {{"A", "x"}}},
        MergeCase{"nothing changed", {{"A", "x"}, {"B", "x"}}, {"x"}, {{"A", "x"}, {"B", "x"}}},
        MergeCase{"one series added goes last, after other sources",
                  {{"A", "x"}, {"B", "b"}},
                  {"x", "y"},
                  {{"A", "x"}, {"B", "b"}, {"A", "y"}}},
        MergeCase{"one series taken out of the middle",
                  {{"A", "x"}, {"B", "b"}, {"A", "y"}, {"A", "z"}},
                  {"x", "z"},
                  {{"A", "x"}, {"B", "b"}, {"A", "z"}}},
        MergeCase{"of two traces of one name the last goes",
                  {{"A", "x"}, {"A", "y"}, {"A", "x"}},
                  {"y", "x"},
                  {{"A", "x"}, {"A", "y"}}},
        MergeCase{"one series renamed is one gone and one new",
                  {{"A", "x"}, {"A", "y"}},
                  {"x", "z"},
                  {{"A", "x"}, {"A", "z"}}}));

using ChartFeedTest = ChartFixture;

TEST_F(ChartFeedTest, FeedChangesKeepDropAndAppendTraces) {
  auto chart = AddChart();
  auto feed = AddFeed("ZaltArchiveData1_Sheet1", {"\\\\srv\\a", "\\\\srv\\b", "\\\\srv\\c"});
  chart->DataSources()->Add("ZaltArchiveData1_Sheet1", Variant::Missing(), true);
  SafeArray order({Variant(std::int32_t{3}), Variant(std::int32_t{1}), Variant(std::int32_t{2})});
  chart->Traces()->Reorder(Variant(order));

  feed->SetSeriesNamed({"\\\\srv\\a", "\\\\srv\\c", "\\\\srv\\d"});
  EXPECT_EQ(TraceNames(*chart), (std::vector<std::string>{"ZaltArchiveData1_Sheet1:\\\\srv\\c",
                                                          "ZaltArchiveData1_Sheet1:\\\\srv\\a",
                                                          "ZaltArchiveData1_Sheet1:\\\\srv\\d"}));

  auto trace = chart->Traces()->Item(3);
  EXPECT_EQ(trace->DataSource()->Name(), "ZaltArchiveData1_Sheet1");
  EXPECT_EQ(trace->DataObject()->Name(), "\\\\srv\\d");
  EXPECT_EQ(RaisedNumber([&] { chart->Traces()->Item(4); }), err::kSubscriptOutOfRange);
  EXPECT_EQ(RaisedNumber([&] { chart->Traces()->Item(0); }), err::kSubscriptOutOfRange);
}

TEST_F(ChartFeedTest, SourcesAreFoundOnAnySheetAndOnceByName) {
  auto chart = AddChart();
  AddFeed("ZaltExcelData1_Sheet2", {"Flow"}, "Sheet2!");
  auto sources = chart->DataSources();
  auto added = sources->Add("ZaltExcelData1_Sheet2", Variant::Missing(), true);
  EXPECT_EQ(sources->Add("zaltexceldata1_sheet2", Variant::Missing(), true), added);
  EXPECT_EQ(sources->Item("ZALTEXCELDATA1_SHEET2"), added);
  EXPECT_EQ(sources->Item("Other"), nullptr);
  EXPECT_EQ(chart->SourceNames(), (std::vector<std::string>{"ZaltExcelData1_Sheet2"}));
  EXPECT_EQ(TraceNames(*chart), (std::vector<std::string>{"ZaltExcelData1_Sheet2:Flow"}));
  EXPECT_EQ(RaisedNumber([&] { sources->Add("", Variant::Missing(), true); }),
            err::kInvalidProcedureCall);
}

TEST_F(ChartFeedTest, AnAbsentSourceWaitsUntilItAppearsOnRefresh) {
  auto chart = AddChart();
  chart->DataSources()->Add("Later", Variant::Missing(), true);
  chart->DataSources()->Add("NotAFeed", Variant::Missing(), true);
  driver.InsertObject("", host_test::kPlainProgId, 0, 0, 10, 10)->SetName("NotAFeed");
  chart->Refresh();
  EXPECT_EQ(chart->Traces()->Count(), 0);
  EXPECT_TRUE(chart->Picture().traces.empty());

  AddFeed("Later", {"x"});
  EXPECT_EQ(chart->Picture().traces.size(), 0u);  // not looked up yet
  chart->Refresh();
  EXPECT_EQ(TraceNames(*chart), (std::vector<std::string>{"Later:x"}));
}

TEST_F(ChartFeedTest, DeferredConnectWaitsForRefresh) {
  auto chart = AddChart();
  AddFeed("A", {"x"});
  chart->DataSources()->Add("A", Variant::Missing(), false);
  EXPECT_TRUE(chart->ShownTraces().empty());
  chart->Refresh();
  EXPECT_EQ(TraceNames(*chart), (std::vector<std::string>{"A:x"}));
}

TEST_F(ChartFeedTest, ADeletedDataControlStopsFeedingWithoutForgettingItsTraces) {
  auto chart = AddChart();
  AddFeed("A", {"x", "y"});
  AddFeed("B", {"z"});
  chart->DataSources()->Add("A", Variant::Missing(), true);
  chart->DataSources()->Add("B", Variant::Missing(), true);
  // Read once before the deletion: the chart keeps the shown traces between
  // calls and must notice the source that went.
  EXPECT_EQ(TraceNames(*chart), (std::vector<std::string>{"A:x", "A:y", "B:z"}));
  {
    sim::SimApplication::DriverScope scope(*app);
    app->ActiveSheet()->OLEObjects()->Item(Variant("A"))->Delete();
  }
  EXPECT_EQ(TraceNames(*chart), (std::vector<std::string>{"B:z"}));
  EXPECT_EQ(chart->Picture().traces.size(), 1u);

  AddFeed("A", {"y", "x"});  // a new control of that name takes over
  chart->Refresh();
  EXPECT_EQ(TraceNames(*chart), (std::vector<std::string>{"A:x", "A:y", "B:z"}));
}

}  // namespace
}  // namespace velkor::chart_test
