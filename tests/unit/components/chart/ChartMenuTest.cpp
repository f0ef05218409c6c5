#include <gtest/gtest.h>

#include <set>

#include "platform/Conversions.h"
#include "unit/components/chart/ChartFixture.h"

namespace velkor::chart_test {
namespace {

using ChartMenuTest = ChartFixture;

std::vector<std::int32_t> PicksOf(sim::SimTrendChart& chart, std::vector<std::int32_t> ids,
                                  Connection& connection) {
  auto picked = std::make_shared<std::vector<std::int32_t>>();
  connection =
      chart.OnUserDefinedMenuItem.Connect([picked](Variant id) { picked->push_back(CLng(id)); });
  for (auto id : ids) chart.PickMenuItem(id);
  return *picked;
}

TEST_F(ChartMenuTest, UserItemsGetUniqueNonZeroIdsAfterTheBuiltInOnes) {
  auto chart = AddChart();
  std::set<std::int32_t> ids;
  for (const auto& item : chart->MenuItems()) ids.insert(item.id);
  for (const char* caption : {"F&ormat...", "De&lete Trend", "F&ormat..."})
    ids.insert(CLng(chart->AddMenuItem(caption)));
  EXPECT_EQ(ids.size(), chart->MenuItems().size());
  EXPECT_EQ(ids.count(0), 0u);

  auto items = chart->MenuItems();
  EXPECT_FALSE(items.front().userDefined);
  EXPECT_EQ(items.back().caption, "F&ormat...");
  EXPECT_TRUE(items.back().userDefined);
}

TEST_F(ChartMenuTest, PickingRaisesTheEventOnlyForUsableUserItems) {
  auto chart = AddChart();
  auto format = CLng(chart->AddMenuItem("F&ormat..."));
  auto remove = CLng(chart->AddMenuItem("De&lete Trend"));
  chart->DisableMenuItem(remove);
  chart->DisableMenuItem(424242);  // not handed out: ignored

  Connection connection;
  EXPECT_EQ(PicksOf(*chart, {format, remove, 424242, sim::ChartMenu::kRefreshId}, connection),
            (std::vector<std::int32_t>{format}));

  chart->EnableMenuItem(remove);
  EXPECT_EQ(PicksOf(*chart, {remove}, connection), (std::vector<std::int32_t>{remove}));

  chart->SetEnabled(false);
  EXPECT_TRUE(PicksOf(*chart, {format}, connection).empty());
}

TEST_F(ChartMenuTest, BuiltInPropertiesItemShowsTheFormatDialog) {
  auto chart = AddChart();
  chart->PickMenuItem(sim::ChartMenu::kPropertiesId);
  chart->ShowFormatDialog(0x1234);
  EXPECT_EQ(chart->FormatDialogShown(), 2);
  EXPECT_EQ(chart->FormatDialogOwner(), 0x1234);
}

}  // namespace
}  // namespace velkor::chart_test
