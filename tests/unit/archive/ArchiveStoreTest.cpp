#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "parts/archive/ArchiveStore.h"
#include "platform/VbError.h"
#include "unit/archive/ArchiveTestFiles.h"

namespace velkor::sim {
namespace {

constexpr double kMinute = 1.0 / 1440.0;
constexpr double kT0 = 46363.25;  // 2026-12-07 06:00
const double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<double> Times(const std::vector<Sample>& samples) {
  std::vector<double> times;
  for (const auto& s : samples) times.push_back(s.time.serial);
  return times;
}

// Ten samples a minute apart from kT0, valued 0..9.
struct TenSamples : ::testing::Test {
  TenSamples() {
    point = store.AddPoint(store.AddServer("srv1"), "level", PointDetails{"Tank level", "m"});
    std::vector<Sample> samples;
    for (int k = 0; k < 10; ++k) samples.push_back({DateValue{At(k)}, double(k)});
    store.AppendValues(point, samples);
  }
  static double At(int k) { return kT0 + k * kMinute; }

  ArchiveStore store = ArchiveStore::OpenInMemory();
  PointId point = 0;
};

TEST_F(TenSamples, RangeReadsIncludeBothBounds) {
  struct Row {
    double from, to;
    std::vector<int> expected;
  };
  const double eps = 1e-9;
  const std::vector<Row> rows{
      {At(2), At(5), {2, 3, 4, 5}}, {At(2) + eps, At(5) - eps, {3, 4}},
      {At(4), At(4), {4}},          {At(5), At(2), {}},
      {At(9), At(100), {9}},        {At(-5), At(0), {0}},
      {At(-5), At(-1), {}},         {At(10), At(20), {}},
  };
  for (const auto& row : rows) {
    const auto samples = store.ReadRange(point, DateValue{row.from}, DateValue{row.to});
    std::vector<int> values;
    for (const auto& s : samples) values.push_back(static_cast<int>(s.value));
    EXPECT_EQ(values, row.expected) << row.from << " .. " << row.to;
  }
}

TEST_F(TenSamples, TheValueBeforeARangeIsTheLastOneEarlier) {
  EXPECT_EQ(store.ReadBefore(point, DateValue{At(2)})->value, 1.0);
  EXPECT_EQ(store.ReadBefore(point, DateValue{At(2) + 1e-9})->value, 2.0);
  EXPECT_FALSE(store.ReadBefore(point, DateValue{At(0)}));
  const RangeRead read = store.ReadRange(" SRV1", "LEVEL ", DateValue{At(3)}, DateValue{At(4)});
  EXPECT_TRUE(read.pointKnown);
  EXPECT_EQ(read.units, "m");
  ASSERT_TRUE(read.before);
  EXPECT_EQ(read.before->value, 2.0);
  EXPECT_EQ(read.samples.size(), 2u);
}

TEST_F(TenSamples, AnUnknownPointReadsAsNoValues) {
  for (const auto& [server, tag] : std::vector<std::pair<std::string, std::string>>{
           {"srv1", "nosuch"}, {"srv2", "level"}, {"", ""}}) {
    const RangeRead read = store.ReadRange(server, tag, DateValue{At(0)}, DateValue{At(9)});
    EXPECT_FALSE(read.pointKnown) << server << "\\" << tag;
    EXPECT_TRUE(read.samples.empty());
    EXPECT_FALSE(read.before);
    EXPECT_EQ(read.units, "");
  }
  EXPECT_TRUE(store.ReadRange(12345, DateValue{At(0)}, DateValue{At(9)}).empty());
}

TEST_F(TenSamples, ALaterValueAtTheSameTimeReplacesTheEarlier) {
  const std::vector<Sample> again{{DateValue{At(3)}, 30.0, sample_status::kSubstituted},
                                  {DateValue{At(3)}, 31.0, sample_status::kSubstituted}};
  store.AppendValues(point, again);
  EXPECT_EQ(store.CountValues(point), 10);
  const auto samples = store.ReadRange(point, DateValue{At(3)}, DateValue{At(3)});
  ASSERT_EQ(samples.size(), 1u);
  EXPECT_EQ(samples[0].value, 31.0);
  EXPECT_EQ(samples[0].status, sample_status::kSubstituted);
}

TEST_F(TenSamples, AFailedAppendWritesNothing) {
  const std::vector<Sample> bad{{DateValue{At(20)}, 1.0}, {DateValue{kNaN}, 2.0}};
  try {
    store.AppendValues(point, bad);
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 5);
    EXPECT_NE(e.description().find("sample 1"), std::string::npos) << e.description();
  }
  const std::vector<Sample> late{{DateValue{3e6}, 1.0}};
  EXPECT_THROW(store.AppendValues(point, late), VbError);
  EXPECT_THROW(store.AppendValues(999, std::vector<Sample>{{DateValue{At(20)}, 1.0}}), VbError);
  EXPECT_EQ(store.CountValues(point), 10);
  EXPECT_THROW(store.ReadRange(point, DateValue{kNaN}, DateValue{At(1)}), VbError);
}

TEST(ArchiveStore, ServersAndPointsMatchIgnoringCaseAndBlanks) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  const ServerId srv1 = store.AddServer("Srv1");
  EXPECT_EQ(store.AddServer("  SRV1 "), srv1);
  const ServerId plant = store.AddServer("Überhitzer");
  EXPECT_NE(plant, srv1);
  EXPECT_EQ(store.AddServer("üBERHITZER"), plant);

  const PointId flow = store.AddPoint(srv1, " Flow ", {"Feed flow", "m3/h"});
  EXPECT_EQ(store.AddPoint(srv1, "FLOW", {"ignored", "ignored"}), flow);
  const PointId other = store.AddPoint(plant, "flow");
  EXPECT_NE(other, flow);
  store.AddPoint(srv1, "alpha");

  EXPECT_EQ(store.FindPoint("sRv1", "fLoW"), flow);
  EXPECT_EQ(store.FindPoint(" überhitzer ", "FLOW"), other);
  EXPECT_FALSE(store.FindPoint("srv1", "flo"));
  EXPECT_FALSE(store.FindPoint("srv", "flow"));

  const auto rows = store.ListPoints();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].server, "Srv1");
  EXPECT_EQ(rows[0].tag, "alpha");
  EXPECT_EQ(rows[1].tag, "Flow");
  EXPECT_EQ(rows[1].details.description, "Feed flow");
  EXPECT_EQ(rows[1].details.units, "m3/h");
  EXPECT_EQ(rows[2].server, "Überhitzer");
  EXPECT_EQ(rows[2].details.units, "");

  EXPECT_THROW(store.AddServer("   "), VbError);
  EXPECT_THROW(store.AddPoint(srv1, ""), VbError);
  EXPECT_THROW(store.AddPoint(4711, "x"), VbError);
}

TEST(ArchiveStore, KeepsGapsStatusesAndTimesBeforeDayZero) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  const PointId point = store.AddPoint(store.AddServer("s"), "t");
  // 1899-12-29 18:00, 06:00 and 00:00, then 1899-12-30 06:00.
  const std::vector<Sample> samples{{DateValue{-1.75}, 3.0},
                                    {DateValue{-1.25}, kNaN, sample_status::kQuestionable},
                                    {DateValue{-1.0}, 1.0, sample_status::kAnnotated},
                                    {DateValue{0.25}, 4.0}};
  store.AppendValues(point, samples);
  const auto all = store.ReadRange(point, DateValue{-2.0}, DateValue{1.0});
  EXPECT_EQ(Times(all), (std::vector<double>{-1.0, -1.25, -1.75, 0.25}));
  EXPECT_TRUE(std::isnan(all[1].value));
  EXPECT_EQ(all[1].status, sample_status::kQuestionable);
  EXPECT_EQ(all[0].status, sample_status::kAnnotated);
  EXPECT_EQ(Times(store.ReadRange(point, DateValue{-1.25}, DateValue{0.0})),
            (std::vector<double>{-1.25, -1.75}));
  EXPECT_EQ(store.ReadBefore(point, DateValue{0.25})->time.serial, -1.75);
}

TEST(ArchiveStore, AppendsLargeBatchesInOrder) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  const PointId point = store.AddPoint(store.AddServer("s"), "t");
  std::vector<Sample> samples;
  for (int k = 1000; k > 0; --k) samples.push_back({DateValue{kT0 + k * kMinute}, double(k)});
  store.AppendValues(point, samples);
  const auto read = store.ReadRange(point, DateValue{kT0}, DateValue{kT0 + 2});
  ASSERT_EQ(read.size(), 1000u);
  for (std::size_t i = 0; i < read.size(); ++i) EXPECT_EQ(read[i].value, double(i + 1));
}

TEST(ArchiveStore, InfoHoldsFreeFormFacts) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  EXPECT_FALSE(store.Info("maker"));
  store.SetInfo("maker", "a");
  store.SetInfo("maker", "b");
  EXPECT_EQ(store.Info("maker"), "b");
  EXPECT_EQ(store.Name(), ":memory:");
}

}  // namespace
}  // namespace velkor::sim
