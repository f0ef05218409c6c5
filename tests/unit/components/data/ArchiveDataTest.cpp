#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "control/components/QuerySpecs.h"
#include "platform/ErrorNumbers.h"
#include "standins/VirtualNow.h"
#include "standins/components/ArchiveSource.h"
#include "standins/components/archive/SimArchiveData.h"
#include "standins/host/SimPropertyBag.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor::sim {
namespace {

using platform_test::RaisedNumber;

constexpr double kNow = 46363.25;  // 2026-12-07 06:00
constexpr double kHour = 1.0 / 24.0;

// A control over an in-memory archive with srv1\level: one value an hour
// over the twelve hours up to kNow, valued 0..12.
struct ArchiveControl : ::testing::Test {
  ArchiveControl() {
    SetVirtualNow(DateValue{kNow});
    auto store = std::make_shared<ArchiveStore>(ArchiveStore::OpenInMemory());
    PointId point = store->AddPoint(store->AddServer("srv1"), "level");
    std::vector<Sample> samples;
    for (int k = 0; k <= 12; ++k)
      samples.push_back({DateValue{kNow - (12 - k) * kHour}, double(k)});
    store->AppendValues(point, samples);
    UseArchive(store);
    changes = control->FeedChanged.Connect([this] { ++changeCount; });
  }
  ~ArchiveControl() override {
    UseArchive(nullptr);
    ResetVirtualNow();
  }

  void Add(const std::string& server, const std::string& tag) {
    control->AddQuerySpec(server, tag, control->CurrentStartTime(), control->CurrentEndTime(),
                          false, Variant::Missing(), Variant::Missing(), 0);
  }
  std::vector<std::string> AppliedNames() const {
    std::vector<std::string> names;
    for (const auto& s : control->Series()) names.push_back(s.name);
    return names;
  }
  std::int32_t SpecCount() { return control->QueryObject()->QuerySpecs()->Count(); }

  std::shared_ptr<SimArchiveData> control = std::make_shared<SimArchiveData>();
  Connection changes;
  int changeCount = 0;
};

TEST_F(ArchiveControl, SpecsAreNamedByServerAndTagIgnoringCase) {
  Add(" srv1 ", "level");
  EXPECT_EQ(AppliedNames(), std::vector<std::string>{"\\\\srv1\\level"});

  struct Row {
    const char* what;
    std::function<void()> call;
    HRESULT expected;
  } rows[] = {
      {"same name", [&] { Add("srv1", "level"); }, err::kDuplicateSpec},
      {"other case", [&] { Add("SRV1", "Level"); }, err::kDuplicateSpec},
      {"remove unknown", [&] { control->RemoveQuerySpec("srv1", "flow"); }, err::kSpecNotHeld},
      {"remove other server", [&] { control->RemoveQuerySpec("srv2", "level"); },
       err::kSpecNotHeld},
      {"empty tag", [&] { Add("srv1", " "); }, err::kInvalidProcedureCall},
      {"remove other case", [&] { control->RemoveQuerySpec("SRV1", "LEVEL"); }, 0},
      {"remove again", [&] { control->RemoveQuerySpec("srv1", "level"); }, err::kSpecNotHeld},
  };
  for (const auto& row : rows) EXPECT_EQ(RaisedNumber(row.call), row.expected) << row.what;
  EXPECT_EQ(SpecCount(), 0);
}

TEST_F(ArchiveControl, GroupedChangesReachTheFeedOnceAtTheEnd) {
  control->BeginGroupedChange();
  Add("srv1", "level");
  control->BeginGroupedChange();  // a second begin does not nest
  Add("srv1", "flow");
  EXPECT_EQ(SpecCount(), 2);
  EXPECT_TRUE(AppliedNames().empty());
  EXPECT_EQ(changeCount, 0);

  control->EndGroupedChange();
  EXPECT_EQ(changeCount, 1);
  EXPECT_EQ(AppliedNames().size(), 2u);
}

TEST_F(ArchiveControl, RevertReturnsToTheLastAppliedState) {
  Add("srv1", "level");
  control->BeginGroupedChange();
  Add("srv1", "flow");
  control->RemoveQuerySpec("srv1", "level");
  control->Revert();
  EXPECT_EQ(SpecCount(), 1);
  EXPECT_EQ(control->QueryObject()->QuerySpecs()->Items()[0]->Name(), "\\\\srv1\\level");

  // The group ended with the revert: the next change applies at once.
  Add("srv1", "flow");
  EXPECT_EQ(AppliedNames().size(), 2u);
}

TEST_F(ArchiveControl, RemovalThroughTheQueryObjectFollowsTheGroup) {
  Add("srv1", "level");
  control->BeginGroupedChange();
  control->QueryObject()->QuerySpecs()->Remove("\\\\SRV1\\level");
  EXPECT_EQ(AppliedNames().size(), 1u);
  control->EndGroupedChange();
  EXPECT_TRUE(AppliedNames().empty());
}

TEST_F(ArchiveControl, TemporaryRangeMovesOnlyTheRangeInEffect) {
  struct Row {
    bool temporary;
    Variant start, end;
    const char *effStart, *effEnd, *savedStart, *savedEnd;
  } rows[] = {
      {true, Variant("*-2H"), Variant::Missing(), "*-2H", "*", "*-8H", "*"},
      {false, Variant::Missing(), Variant("*-1H"), "*-2H", "*-1H", "*-8H", "*-1H"},
      {false, Variant("t"), Variant("*"), "t", "*", "t", "*"},
      {true, Variant::Missing(), Variant::Missing(), "t", "*", "t", "*"},
  };
  for (const auto& row : rows) {
    control->SetTimeRange(row.temporary, row.start, row.end, Variant::Missing());
    Variant start, end;
    control->GetTimeRange(true, start, end, Variant::Missing());
    EXPECT_EQ(start.AsString(), row.effStart);
    EXPECT_EQ(end.AsString(), row.effEnd);
    control->GetTimeRange(false, start, end, Variant::Missing());
    EXPECT_EQ(start.AsString(), row.savedStart);
    EXPECT_EQ(end.AsString(), row.savedEnd);
  }
  EXPECT_EQ(control->CurrentStartTime(), "t");
}

TEST_F(ArchiveControl, BadTimeTextChangesNothing) {
  for (const char* bad : {"", "*-8", "soon"}) {
    EXPECT_EQ(RaisedNumber([&] {
                control->SetTimeRange(false, Variant("*-1H"), Variant(bad), Variant::Missing());
              }),
              err::kTypeMismatch)
        << bad;
  }
  EXPECT_EQ(control->CurrentStartTime(), "*-8H");
  EXPECT_EQ(control->CurrentEndTime(), "*");
}

TEST_F(ArchiveControl, QueryFetchesTheRangeInEffect) {
  Add("srv1", "LEVEL");
  control->SetTimeRange(true, Variant("*-3h-10m"), Variant("*-1h+10m"), Variant::Missing());
  int events = 0;
  auto onData = control->OnDataChange.Connect([&](ObjectPtr, Variant) { ++events; });
  control->QueryData(Variant(std::int32_t{1}));

  auto series = control->Series();
  ASSERT_EQ(series.size(), 1u);
  std::vector<double> values;
  for (const auto& p : series[0].points) values.push_back(p.value);
  EXPECT_EQ(values, (std::vector<double>{9, 10, 11}));
  EXPECT_TRUE(control->Status());
  EXPECT_EQ(events, 1);
  EXPECT_EQ(changeCount, 2);  // the add, then the query

  DateValue start, end;
  ASSERT_TRUE(control->TimeRangeInEffect(start, end));
  EXPECT_NEAR(end.serial - start.serial, 140.0 / 1440, 1e-9);
}

TEST_F(ArchiveControl, UnknownTagGivesNoValuesAndAFalseStatus) {
  Add("srv1", "level");
  Add("srv9", "nothing");
  control->SetTimeRange(false, Variant("*-481m"), Variant("*+1m"), Variant::Missing());
  control->QueryData(Variant::Missing());
  auto series = control->Series();
  EXPECT_EQ(series[0].points.size(), 9u);
  EXPECT_TRUE(series[1].points.empty());
  EXPECT_FALSE(control->Status());

  control->RemoveQuerySpec("srv9", "nothing");
  control->QueryData(Variant::Missing());
  EXPECT_TRUE(control->Status());
}

TEST_F(ArchiveControl, StateSurvivesThePropertyBag) {
  Add("srv1", "level");
  control->QueryObject()
      ->QuerySpecs()
      ->Item(Variant(std::int32_t{1}))
      ->Attributes()
      ->Add(10100, "srv1");
  control->SetTimeRange(false, Variant("*-245m"), Variant("*-55m"), Variant::Missing());
  control->SetTimeRange(true, Variant("*-2H"), Variant::Missing(), Variant::Missing());
  control->SetEnableMarkers(true);
  control->SetUpdateInterval(30);
  control->SetLanguage("1031");

  SimPropertyBag bag;
  control->WriteProperties(bag);
  auto loaded = std::make_shared<SimArchiveData>();
  loaded->ReadProperties(bag);

  EXPECT_EQ(loaded->CurrentStartTime(), "*-245m");  // the saved range is put in effect
  EXPECT_EQ(loaded->CurrentEndTime(), "*-55m");
  EXPECT_TRUE(loaded->EnableMarkers());
  EXPECT_EQ(loaded->UpdateInterval(), 30);
  EXPECT_FALSE(loaded->EnableUpdates());
  auto specs = loaded->QueryObject()->QuerySpecs();
  ASSERT_EQ(specs->Count(), 1);
  auto spec = specs->Item(Variant("\\\\srv1\\level"));
  EXPECT_EQ(spec->Attributes()->Item(10100)->Value().AsString(), "srv1");
  loaded->QueryData(Variant::Missing());
  EXPECT_EQ(loaded->Series()[0].points.size(), 4u);  // 02:00 to 05:00
}

}  // namespace
}  // namespace velkor::sim
