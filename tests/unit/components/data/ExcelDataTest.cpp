#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "control/components/QuerySpecAttribute.h"
#include "control/components/QuerySpecAttributes.h"
#include "control/components/QuerySpecs.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/host/OLEObject.h"
#include "standins/components/RegisterDataComponents.h"
#include "standins/components/excel/SimExcelData.h"
#include "standins/host/SimWorkbook.h"
#include "unit/host/HostFixture.h"

namespace velkor::host_test {
namespace {

using sim::SimExcelData;

constexpr double kDay1 = 46363.0;  // 2026-12-07

Variant Grid(std::vector<std::vector<Variant>> rows) {
  SafeArray grid({1, static_cast<std::int32_t>(rows.size())},
                 {1, static_cast<std::int32_t>(rows[0].size())});
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      grid.at(static_cast<std::int32_t>(r + 1), static_cast<std::int32_t>(c + 1)) = rows[r][c];
  return Variant(std::move(grid));
}

std::vector<double> Values(const sim::FeedSeries& series) {
  std::vector<double> values;
  for (const auto& p : series.points) values.push_back(p.value);
  return values;
}

// Book1 with the control on Sheet1 and a table in Sheet1!A1:C5: times in
// column A (row 4 has none), names in row 1, and cells that hold no number.
struct WorksheetControl : HostFixture {
  WorksheetControl() {
    sim::RegisterDataComponents(*registry);
    NewBook();
    driver.SetCells("Sheet1!A1:C5",
                    Grid({{Variant("Time"), Variant("Flow"), Variant("Level")},
                          {Variant(DateValue{kDay1}), Variant(1.5), Variant("n/a")},
                          {Variant(DateValue{kDay1 + 0.5}), Variant(2.5), Variant(3.0)},
                          {Variant(), Variant(9.0), Variant(9.0)},
                          {Variant("12/8/2026"), Variant(ErrorValue{2015}), Variant(4.0)}}));
    auto frame = driver.InsertObject("Sheet1!", SimExcelData::kProgId, 0, 0, 100, 40);
    control = std::dynamic_pointer_cast<SimExcelData>(frame->Object());
  }

  void Add(const std::string& range, bool names, bool rowWise = false, bool isStatic = false) {
    control->AddQuerySpecs(range, Variant(names), Variant(rowWise), Variant(false),
                           Variant(isStatic), Variant::Missing(), Variant::Missing(), false);
  }
  component::QuerySpecsPtr Specs() { return control->QueryObject()->QuerySpecs(); }
  Variant Attribute(std::int32_t position, std::int32_t key) {
    return Specs()->Item(Variant(position))->Attributes()->Item(key)->Value();
  }

  std::shared_ptr<SimExcelData> control;
};

TEST_F(WorksheetControl, ColumnsBecomeTracesNamedFromTheFirstRow) {
  Add("Sheet1!A1:C5", true);
  auto series = control->Series();
  ASSERT_EQ(series.size(), 2u);
  EXPECT_EQ(series[0].name, "Flow");
  EXPECT_EQ(series[1].name, "Level");

  struct Row {
    std::int32_t key;
    Variant expected;
  } rows[] = {{10000, Variant("$A$1:$C$5")}, {10003, Variant(true)},
              {10005, Variant(false)},       {10009, Variant("Sheet1")},
              {10010, Variant("")},          {10011, Variant("Sheet1!$C$1")}};
  for (const auto& row : rows)
    EXPECT_TRUE(VarEquals(Attribute(2, row.key), row.expected)) << row.key;

  control->QueryData(Variant(std::int32_t{1}), true);
  series = control->Series();
  ASSERT_EQ(series[0].points.size(), 3u);  // the row without a time is left out
  EXPECT_DOUBLE_EQ(series[0].points[2].time, kDay1 + 1);
  EXPECT_EQ(Values(series[0])[1], 2.5);
  EXPECT_TRUE(std::isnan(Values(series[0])[2]));  // #VALUE! is a gap
  EXPECT_TRUE(std::isnan(Values(series[1])[0]));  // so is text
  EXPECT_EQ(Values(series[1])[2], 4.0);
}

TEST_F(WorksheetControl, RowWiseRangesOnOtherSheetsAndBooks) {
  driver.SetCells("Sheet2!A1:C2", Grid({{Variant(kDay1), Variant(kDay1 + 1), Variant(kDay1 + 2)},
                                        {Variant(7.0), Variant(8.0), Variant()}}));
  auto other = NewBook();
  driver.SetCells("[" + other->Name() + "]Sheet1!A1:B2",
                  Grid({{Variant(kDay1), Variant(1.0)}, {Variant(kDay1 + 1), Variant(2.0)}}));

  Add("Sheet2!A1:C2", false, true);
  Add("[" + other->Name() + "]Sheet1!A1:B2", false);
  control->QueryData(Variant::Missing(), true);

  auto series = control->Series();
  ASSERT_EQ(series.size(), 2u);
  EXPECT_EQ(series[0].name, "Sheet2!$A$2:$C$2");
  EXPECT_EQ(series[0].points.size(), 3u);
  EXPECT_TRUE(std::isnan(Values(series[0])[2]));  // an empty cell is a gap
  EXPECT_EQ(series[1].name, "Sheet1!$B$1:$B$2");
  EXPECT_EQ(Values(series[1]), (std::vector<double>{1.0, 2.0}));
  EXPECT_EQ(CStr(Attribute(2, 10010)), other->Name());
  EXPECT_EQ(series[0].kind, sim::TraceKind::Worksheet);
}

TEST_F(WorksheetControl, RangesThatNameNoTraceAddNothing) {
  struct Row {
    const char* range;
    std::int32_t error;
  } rows[] = {
      {"A1:A5", err::kInvalidProcedureCall},
      {"'Sheet1!A1:B2", err::kAppDefined},
      {"Sheet9!A1:B2", err::kSubscriptOutOfRange},
      {"[Nope.xls]Sheet1!A1:B2", err::kSubscriptOutOfRange},
      {"Sheet1!", err::kAppDefined},
      {"Sheet1!ZZ", err::kAppDefined},
  };
  for (const auto& row : rows)
    EXPECT_EQ(RaisedNumber([&] { Add(row.range, false); }), row.error) << row.range;
  EXPECT_EQ(Specs()->Count(), 0);
}

TEST_F(WorksheetControl, RemoveByNameOrPosition) {
  Add("A1:C5", true);
  control->RemoveQuerySpec(Variant("level"));
  EXPECT_EQ(Specs()->Count(), 1);
  EXPECT_EQ(RaisedNumber([&] { control->RemoveQuerySpec(Variant(std::int32_t{2})); }),
            err::kSubscriptOutOfRange);
  EXPECT_EQ(RaisedNumber([&] { control->RemoveQuerySpec(Variant("Level")); }), err::kSpecNotHeld);
  control->RemoveQuerySpec(Variant(std::int32_t{1}));
  EXPECT_TRUE(control->Series().empty());
}

TEST_F(WorksheetControl, StaticRangesAreReadOnceAndRereadOnRequest) {
  Add("A1:B3", true, false, true);
  driver.SetCells("B2", Variant(100.0));
  control->QueryData(Variant(std::int32_t{1}), true);
  EXPECT_EQ(Values(control->Series()[0]), (std::vector<double>{1.5, 2.5}));

  int changes = 0;
  auto connection = control->FeedChanged.Connect([&] { ++changes; });
  control->SetSecondSwitch(true);
  control->RereadSpec(Specs()->Item(Variant(std::int32_t{1}))->Attributes());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Values(control->Series()[0]), (std::vector<double>{100.0, 2.5}));
  EXPECT_EQ(RaisedNumber([&] { control->RereadSpec(std::make_shared<sim::SimSpecAttributes>()); }),
            err::kSpecNotHeld);
}

TEST_F(WorksheetControl, SpecsSurviveThePropertyBagAndReadAgain) {
  Add("A1:C5", true);
  control->SetFirstSwitch(true);
  control->SetLanguage("1049");
  sim::SimPropertyBag bag;
  control->WriteProperties(bag);

  auto frame = driver.InsertObject("Sheet1!", SimExcelData::kProgId, 0, 100, 100, 40);
  auto loaded = std::dynamic_pointer_cast<SimExcelData>(frame->Object());
  loaded->ReadProperties(bag);
  EXPECT_TRUE(loaded->FirstSwitch());
  EXPECT_FALSE(loaded->SecondSwitch());
  loaded->QueryData(Variant::Missing(), true);
  auto series = loaded->Series();
  ASSERT_EQ(series.size(), 2u);
  EXPECT_EQ(series[1].name, "Level");
  EXPECT_EQ(Values(series[1])[2], 4.0);
}

}  // namespace
}  // namespace velkor::host_test
