#include <gtest/gtest.h>

#include <ostream>

#include "platform/ErrorNumbers.h"
#include "standins/components/chart/ReorderRule.h"
#include "unit/components/chart/ChartFixture.h"

namespace velkor::chart_test {
namespace {

struct ReorderCase {
  const char* what;
  std::size_t count;
  std::vector<std::int32_t> entries;
  std::vector<std::size_t> expected;  // 0-based current positions, new order
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ReorderCase& c, std::ostream* os) {
  *os << c.what;
}

class ReorderRuleTest : public ::testing::TestWithParam<ReorderCase> {};

TEST_P(ReorderRuleTest, NeverLosesOrDuplicatesATrace) {
  const auto& c = GetParam();
  EXPECT_EQ(sim::ReorderPermutation(c.count, c.entries), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Orders, ReorderRuleTest,
    ::testing::Values(ReorderCase{"full permutation", 3, {3, 1, 2}, {2, 0, 1}},
                      ReorderCase{"identity", 3, {1, 2, 3}, {0, 1, 2}},
                      ReorderCase{"zero entries are skipped", 3, {0, 3, 0}, {2, 0, 1}},
                      ReorderCase{"repeats count once", 3, {2, 2, 2}, {1, 0, 2}},
                      ReorderCase{"zero and repeat together", 3, {2, 0, 2, 1}, {1, 0, 2}},
                      ReorderCase{"out of range both ways", 3, {4, -1, 3}, {2, 0, 1}},
                      ReorderCase{"too few entries", 4, {4}, {3, 0, 1, 2}},
                      ReorderCase{"too many entries", 2, {2, 1, 2, 1, 5}, {1, 0}},
                      ReorderCase{"empty array keeps the order", 3, {}, {0, 1, 2}},
                      ReorderCase{"all zero keeps the order", 2, {0, 0}, {0, 1}},
                      ReorderCase{"no traces", 0, {1, 2}, {}},
                      ReorderCase{"extreme values", 2, {INT32_MIN, INT32_MAX, 2}, {1, 0}}));

TEST(OrderEntries, ReadsAnyLowerBoundAndTreatsNonNumbersAsInvalid) {
  SafeArray array({Variant(std::int32_t{2}), Variant("x"), Variant(1.0), Variant(), Variant(1e12)},
                  5);
  EXPECT_EQ(sim::OrderEntries(Variant(array)), (std::vector<std::int32_t>{2, 0, 1, 0, 0}));
  EXPECT_EQ(RaisedNumber([] { sim::OrderEntries(Variant(std::int32_t{1})); }), err::kTypeMismatch);
}

using ChartReorderTest = ChartFixture;

Variant OrderArray(std::vector<std::int32_t> entries) {
  std::vector<Variant> items(entries.begin(), entries.end());
  return Variant(SafeArray(std::move(items)));
}

TEST_F(ChartReorderTest, ReordersShownTracesAndKeepsWaitingOnesBehind) {
  auto chart = AddChart();
  AddFeed("A", {"a1", "a2"});
  AddFeed("B", {"b1"});
  chart->DataSources()->Add("A", Variant::Missing(), true);
  chart->DataSources()->Add("B", Variant::Missing(), true);
  chart->Traces()->Reorder(OrderArray({3, 0, 3}));
  EXPECT_EQ(TraceNames(*chart), (std::vector<std::string>{"B:b1", "A:a1", "A:a2"}));

  // A source that is named but absent keeps its remembered traces out of the
  // positions the control sees.
  sim::SimPropertyBag bag;
  chart->WriteProperties(bag);
  bag.WriteProperty("DataSourceCount", Variant(std::int32_t{3}), Variant());
  bag.WriteProperty("DataSource3", Variant("Gone"), Variant());
  bag.WriteProperty("TraceCount", Variant(std::int32_t{4}), Variant());
  bag.WriteProperty("TraceSource4", Variant("Gone"), Variant());
  bag.WriteProperty("TraceName4", Variant("g1"), Variant());
  chart->ReadProperties(bag);
  EXPECT_EQ(chart->Traces()->Count(), 3);
  chart->Traces()->Reorder(OrderArray({3, 2, 1}));
  EXPECT_EQ(TraceNames(*chart), (std::vector<std::string>{"A:a2", "A:a1", "B:b1"}));
  sim::SimPropertyBag saved;
  chart->WriteProperties(saved);
  EXPECT_EQ(saved.ReadProperty("TraceName4", Variant()).AsString(), "g1");
}

}  // namespace
}  // namespace velkor::chart_test
