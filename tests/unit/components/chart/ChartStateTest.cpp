#include <gtest/gtest.h>

#include "platform/ErrorNumbers.h"
#include "unit/components/chart/ChartFixture.h"

namespace velkor::chart_test {
namespace {

using ChartStateTest = ChartFixture;

TEST_F(ChartStateTest, PropertySetIsAWorkingCopyUntilApplied) {
  auto chart = AddChart();
  auto properties = chart->GetPropertySet();
  properties->SetTitle("Plotvane");
  properties->SetValueAttributes(true);
  EXPECT_EQ(chart->Display(), sim::ChartDisplay{});
  chart->ApplyPropertySet(properties);
  EXPECT_EQ(chart->Display(), (sim::ChartDisplay{"Plotvane", true}));
  EXPECT_EQ(chart->GetPropertySet()->Title(), "Plotvane");
  EXPECT_EQ(RaisedNumber([&] { chart->ApplyPropertySet(nullptr); }), err::kObjectNotSet);
}

TEST_F(ChartStateTest, SavesSourcesTraceOrderAndDisplayButNotMenuItems) {
  auto chart = AddChart();
  AddFeed("A", {"x", "y"});
  chart->DataSources()->Add("A", Variant::Missing(), true);
  chart->DataSources()->Add("Waiting", Variant::Missing(), true);
  SafeArray order({Variant(std::int32_t{2}), Variant(std::int32_t{1})});
  chart->Traces()->Reorder(Variant(order));
  chart->ApplyPropertySet(std::make_shared<sim::ChartPropertySet>(sim::ChartDisplay{"T", true}));
  chart->SetLanguage("1031");
  chart->AddMenuItem("F&ormat...");

  sim::SimPropertyBag bag;
  chart->WriteProperties(bag);
  auto copy = AddChart("ZaltTrend2_Sheet1");
  copy->ReadProperties(bag);
  copy->Refresh();
  EXPECT_EQ(copy->Display(), (sim::ChartDisplay{"T", true}));
  EXPECT_EQ(copy->Language(), "1031");
  EXPECT_EQ(copy->SourceNames(), (std::vector<std::string>{"A", "Waiting"}));
  EXPECT_EQ(TraceNames(*copy), (std::vector<std::string>{"A:y", "A:x"}));
  for (const auto& item : copy->MenuItems()) EXPECT_FALSE(item.userDefined);

  sim::SimPropertyBag again;
  copy->WriteProperties(again);
  EXPECT_EQ(again.Entries().size(), bag.Entries().size());
}

TEST_F(ChartStateTest, ADefaultChartSavesNothingAndReadsDefaults) {
  auto chart = AddChart();
  sim::SimPropertyBag bag;
  chart->WriteProperties(bag);
  EXPECT_TRUE(bag.Entries().empty());
  chart->ReadProperties(bag);
  EXPECT_EQ(chart->Language(), sim::kDefaultChartLanguage);
}

TEST_F(ChartStateTest, ADamagedBagOpensWithWhatCanBeRead) {
  struct Damage {
    const char* what;
    sim::PropertyList entries;
    std::vector<std::string> sources;
  };
  const std::vector<Damage> cases = {
      {"count is text", {{"DataSourceCount", Variant("many")}, {"DataSource1", Variant("A")}}, {}},
      {"negative count", {{"DataSourceCount", Variant(std::int32_t{-3})}}, {}},
      {"absurd count", {{"DataSourceCount", Variant(std::int32_t{2000000000})}}, {}},
      {"gaps and duplicates",
       {{"DataSourceCount", Variant(std::int32_t{3})},
        {"DataSource1", Variant("A")},
        {"DataSource3", Variant("a")}},
       {"A"}},
  };
  auto chart = AddChart();
  for (const auto& c : cases) {
    sim::SimPropertyBag bag(c.entries);
    bag.WriteProperty("ValueAttributes", Variant("not a flag"), Variant(false));
    chart->ReadProperties(bag);
    EXPECT_EQ(chart->SourceNames(), c.sources) << c.what;
    EXPECT_FALSE(chart->Display().valueAttributes) << c.what;
  }
}

}  // namespace
}  // namespace velkor::chart_test
