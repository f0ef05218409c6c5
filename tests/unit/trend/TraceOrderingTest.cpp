#include <gtest/gtest.h>

#include "control/components/ChartTrace.h"
#include "control/components/ChartTraces.h"
#include "control/components/DataObject.h"
#include "control/components/DataSource.h"
#include "model/Traces.h"
#include "platform/Conversions.h"
#include "trend/TraceOrdering.h"
#include "unit/control/Fakes.h"

namespace velkor {
namespace {

class NamedSource : public component::DataSource {
 public:
  explicit NamedSource(std::string name) : name_(std::move(name)) {}
  std::string TypeName() const override { return "DataSource"; }
  std::string Name() const override { return name_; }

 private:
  std::string name_;
};

class NamedData : public component::DataObject {
 public:
  explicit NamedData(std::string name) : name_(std::move(name)) {}
  std::string TypeName() const override { return "DataObject"; }
  std::string Name() const override { return name_; }

 private:
  std::string name_;
};

class Trace : public component::ChartTrace {
 public:
  Trace(std::string source, std::string name)
      : source_(std::make_shared<NamedSource>(std::move(source))),
        data_(std::make_shared<NamedData>(std::move(name))) {}
  std::string TypeName() const override { return "Trace"; }
  component::DataSourcePtr DataSource() override { return source_; }
  component::DataObjectPtr DataObject() override { return data_; }

 private:
  std::shared_ptr<NamedSource> source_;
  std::shared_ptr<NamedData> data_;
};

// Records the order it was asked for instead of applying it.
class Traces : public component::ChartTraces {
 public:
  std::string TypeName() const override { return "Traces"; }
  std::int32_t Count() const override { return static_cast<std::int32_t>(items.size()); }
  component::ChartTracePtr Item(std::int32_t position) override {
    return items.at(static_cast<std::size_t>(position - 1));
  }
  void Reorder(const Variant& order) override {
    requested.clear();
    for (const auto& v : order.AsArray().items()) requested.push_back(CLng(v));
  }
  std::vector<std::shared_ptr<Trace>> items;
  std::vector<std::int32_t> requested;
};

class Chart : public test::FakeChart {
 public:
  component::ChartTracesPtr Traces() override { return traces; }
  std::shared_ptr<class Traces> traces = std::make_shared<class Traces>();
};

struct Record {
  const char* source;
  const char* name;
  std::int16_t order;
};

void Load(std::initializer_list<Record> records) {
  ResetTraces(static_cast<std::int32_t>(records.size()));
  std::size_t i = 1;
  for (const auto& r : records) {
    gTraces[i].DataSourceName = r.source;
    gTraces[i].TraceName = r.name;
    gTraces[i].TraceOrder = r.order;
    ++i;
  }
}

class TraceOrderingTest : public ::testing::Test {
 protected:
  void Show(std::initializer_list<std::pair<const char*, const char*>> traces) {
    for (const auto& [source, name] : traces)
      chart.traces->items.push_back(std::make_shared<Trace>(source, name));
  }
  ~TraceOrderingTest() override { ResetTraces(0); }
  Chart chart;
};

TEST_F(TraceOrderingTest, FollowsTheRecordsByDataSourceAndName) {
  Show({{"ZaltArchiveData1_Sheet1", "\\\\srv\\a"},
        {"ZaltArchiveData1_Sheet1", "\\\\srv\\b"},
        {"ZaltExcelData1_Sheet1", "flow"}});
  // Letter case and outer blanks do not matter.
  Load({{" zaltarchivedata1_sheet1", "\\\\SRV\\A ", 3},
        {"ZaltArchiveData1_Sheet1", "\\\\srv\\b", 1},
        {"ZaltExcelData1_Sheet1", "flow", 2}});
  const TraceMatch match = MatchChartTraces(chart, TraceKey::SourceAndName);
  EXPECT_EQ(match.order, (std::vector<std::int32_t>{2, 3, 1}));
  EXPECT_TRUE(ReorderWhenComplete(chart, match));
  EXPECT_EQ(chart.traces->requested, (std::vector<std::int32_t>{2, 3, 1}));
}

TEST_F(TraceOrderingTest, NeverAppliesAPartialOrder) {
  Show({{"DC", "a"}, {"DC", "b"}, {"DC", "c"}});
  Load({{"DC", "b", 1}, {"DC", "a", 2}});  // the chart holds one trace more
  EXPECT_FALSE(ReorderWhenComplete(chart, MatchChartTraces(chart, TraceKey::SourceAndName)));
  Load({{"Other", "a", 1}, {"DC", "b", 2}, {"DC", "c", 3}});  // a source differs
  EXPECT_FALSE(ReorderWhenComplete(chart, MatchChartTraces(chart, TraceKey::SourceAndName)));
  EXPECT_TRUE(chart.traces->requested.empty());
}

TEST_F(TraceOrderingTest, MatchesByNameAloneWhenAsked) {
  Show({{"DC1", "a"}, {"DC2", "b"}});
  Load({{"elsewhere", "b", 1}, {"elsewhere", "a", 2}});
  const TraceMatch match = MatchChartTraces(chart, TraceKey::NameOnly);
  EXPECT_EQ(match.order, (std::vector<std::int32_t>{2, 1}));
  EXPECT_EQ(match.matches, 2);
}

TEST_F(TraceOrderingTest, RecordsSharingAPlaceAreAllCounted) {
  Show({{"DC", "a"}, {"DC", "b"}});
  Load({{"DC", "a", 1}, {"DC", "b", 1}});
  const TraceMatch match = MatchChartTraces(chart, TraceKey::SourceAndName);
  // The later record overwrites the place and both count, so the chart
  // would be asked for (2, 0); the count of matches equals the chart's.
  EXPECT_EQ(match.order, (std::vector<std::int32_t>{2, 0}));
  EXPECT_EQ(match.matches, 2);
}

}  // namespace
}  // namespace velkor
