#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "parts/archive/DemoArchive.h"
#include "parts/archive/DemoArchiveCache.h"
#include "platform/VbError.h"
#include "unit/ScopedEnvironment.h"
#include "unit/archive/ArchiveTestFiles.h"

namespace velkor::sim {
namespace {

using archive_test::ScratchFolder;

constexpr double kMinute = 1.0 / 1440.0;
const DateValue kNow{46363.5625};  // 2026-12-07 13:30
const DateValue kWide{0.0}, kWideEnd{3e6};

std::vector<Sample> All(const ArchiveStore& store, std::string_view tag) {
  return store.ReadRange(kDemoServer, tag, kWide, kWideEnd).samples;
}

bool SameSamples(const std::vector<Sample>& a, const std::vector<Sample>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const bool sameValue =
        a[i].value == b[i].value || (std::isnan(a[i].value) && std::isnan(b[i].value));
    if (a[i].time != b[i].time || !sameValue || a[i].status != b[i].status) return false;
  }
  return true;
}

TEST(DemoArchive, HoldsThirtyDaysOfMinutesForEachTag) {
  const ArchiveStore store = OpenDemoArchive(DateValue{kNow.serial + 40.0 / 86400});  // 13:30:40
  const auto points = store.ListPoints();
  std::vector<std::string> tags;
  for (const auto& p : points) {
    EXPECT_EQ(p.server, kDemoServer);
    tags.push_back(p.tag);
  }
  EXPECT_EQ(tags, (std::vector<std::string>{"cdt158", "ramp", "randomwalk", "sinusoid"}));
  for (const auto& tag : tags) {
    const auto samples = All(store, tag);
    ASSERT_EQ(samples.size(), 43200u) << tag;
    EXPECT_NEAR(samples.back().time.serial, kNow.serial, 1e-9) << tag;
    EXPECT_NEAR(samples.front().time.serial, kNow.serial - 30 + kMinute, 1e-9) << tag;
    EXPECT_NEAR(samples[1].time.serial - samples[0].time.serial, kMinute, 1e-9);
  }
}

TEST(DemoArchive, SignalsStayInTheirRangesAndOnlyThePlantHasGaps) {
  const ArchiveStore store = OpenDemoArchive(kNow);
  struct Row {
    std::string tag;
    double low, high;
    bool gaps;
  };
  for (const Row& row : std::vector<Row>{{"sinusoid", 10, 90, false},
                                         {"ramp", 0, 100, false},
                                         {"randomwalk", 0, 100, false},
                                         {"cdt158", 140, 180, true}}) {
    int nan = 0, questionable = 0;
    for (const auto& s : All(store, row.tag)) {
      if (std::isnan(s.value)) {
        ++nan;
        continue;
      }
      questionable += s.status == sample_status::kQuestionable;
      EXPECT_GE(s.value, row.low) << row.tag;
      EXPECT_LE(s.value, row.high) << row.tag;
    }
    EXPECT_EQ(nan > 0, row.gaps) << row.tag;
    EXPECT_EQ(questionable > 0, row.gaps) << row.tag;
  }
}

TEST(DemoArchive, TheSameEndTimeGivesTheSameValues) {
  const ArchiveStore a = OpenDemoArchive(kNow);
  const ArchiveStore b = OpenDemoArchive(kNow);
  for (const auto tag : {"sinusoid", "ramp", "randomwalk", "cdt158"}) {
    EXPECT_TRUE(SameSamples(All(a, tag), All(b, tag))) << tag;
  }
  // The periodic signals depend on the time alone, not on the window.
  const ArchiveStore later = OpenDemoArchive(DateValue{kNow.serial + 1});
  const auto early = a.ReadRange(kDemoServer, "sinusoid", kNow, kNow).samples;
  const auto same = later.ReadRange(kDemoServer, "sinusoid", kNow, kNow).samples;
  ASSERT_EQ(early.size(), 1u);
  ASSERT_EQ(same.size(), 1u);
  EXPECT_EQ(early[0].value, same[0].value);
  EXPECT_THROW(OpenDemoArchive(DateValue{std::nan("")}), VbError);
}

TEST(DemoArchive, ACachedFileIsReusedOnlyForTheSameParameters) {
  ScratchFolder folder;
  const auto file = folder / "cache" / "demo.db";
  {
    const ArchiveStore first = OpenCachedDemoArchive(file, kNow);
    EXPECT_EQ(first.Name(), file.string());
    EXPECT_EQ(first.Info(kDemoParametersKey), DemoArchiveParameters(kNow));
  }
  const auto written = std::filesystem::last_write_time(file);
  {
    const ArchiveStore again = OpenCachedDemoArchive(file, DateValue{kNow.serial + 1.0 / 86400});
    EXPECT_EQ(std::filesystem::last_write_time(file), written);  // same minute: reused
  }
  const DateValue tomorrow{kNow.serial + 1};
  EXPECT_EQ(OpenCachedDemoArchive(file, tomorrow).Info(kDemoParametersKey),
            DemoArchiveParameters(tomorrow));

  folder.Write("cache/demo.db", "damaged");
  EXPECT_EQ(OpenCachedDemoArchive(file, kNow).ListPoints().size(), 4u);

  const auto blocked = folder.Write("file", "x") / "demo.db";  // a folder that is a file
  const ArchiveStore fallback = OpenCachedDemoArchive(blocked, kNow);
  EXPECT_EQ(fallback.Name(), ":memory:");
  EXPECT_EQ(fallback.ListPoints().size(), 4u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "cache"), {}), 1);
}

TEST(DemoArchive, TheDefaultCacheFollowsXdgCacheHome) {
  const auto absolute = std::filesystem::temp_directory_path() / "cache-test";
  velkor::test::ScopedEnvironment cache("XDG_CACHE_HOME", absolute.string());
  EXPECT_EQ(DefaultDemoArchivePath(), absolute / "velkor" / "demo-archive.db");
  cache.Set("relative");
  const auto fallback = DefaultDemoArchivePath();
  if (fallback) {
    EXPECT_TRUE(fallback->generic_string().ends_with("/.cache/velkor/demo-archive.db"));
  }
}

}  // namespace
}  // namespace velkor::sim
