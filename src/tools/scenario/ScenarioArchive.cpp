#include "tools/scenario/ScenarioArchive.h"

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "parts/archive/DemoArchive.h"
#include "parts/archive/DemoArchiveCache.h"
#include "parts/time/IsoDate.h"
#include "standins/components/ArchiveSource.h"
#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"

namespace velkor::sim::scenario {

namespace {

// [time, value] or [time, value, status]; a null value is a gap.
Sample ParseSample(const Json& json, const std::string& path) {
  json::Array(json, path);
  if (json.size() < 2 || json.size() > 3)
    throw FileFormatError(path, "expected [date, value] or [date, value, status]");
  auto time = ParseIsoDate(json::String(json[0], json::Child(path, 0)));
  if (!time)
    throw FileFormatError(json::Child(path, 0), "expected a date as \"YYYY-MM-DDTHH:MM:SS\"");
  Sample sample{*time, std::numeric_limits<double>::quiet_NaN(), sample_status::kGood};
  if (!json[1].is_null()) sample.value = json::Number(json[1], json::Child(path, 1), -HUGE_VAL);
  if (json.size() == 3) sample.status = json::Long(json[2], json::Child(path, 2), 0);
  return sample;
}

void CheckInlinePoints(const Json& points, const std::string& path) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const std::string at = json::Child(path, i);
    const Json& point = json::Object(points[i], at);
    json::String(json::Required(point, at, "server"), json::Child(at, "server"));
    json::String(json::Required(point, at, "tag"), json::Child(at, "tag"));
    const std::string valuesAt = json::Child(at, "values");
    const Json& values = json::Array(json::Required(point, at, "values"), valuesAt);
    for (std::size_t k = 0; k < values.size(); ++k)
      ParseSample(values[k], json::Child(valuesAt, k));
  }
}

ArchiveStore OpenInline(const Json& points) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  for (const auto& point : points) {
    auto server = store.AddServer(point.at("server").get<std::string>());
    auto id = store.AddPoint(server, point.at("tag").get<std::string>());
    std::vector<Sample> samples;
    for (const auto& value : point.at("values")) samples.push_back(ParseSample(value, ""));
    store.AppendValues(id, samples);
  }
  return store;
}

ArchiveStore OpenDemo(DateValue now) {
  if (auto cached = DefaultDemoArchivePath()) return OpenCachedDemoArchive(*cached, now);
  return OpenDemoArchive(now);
}

}  // namespace

ArchiveSetup ParseArchiveSetup(const Json& json, const std::string& path) {
  if (json.is_array()) {
    CheckInlinePoints(json, path);
    return {ArchiveSetup::Kind::Inline, {}, json};
  }
  const std::string text = json::String(json, path);
  if (text.empty())
    throw FileFormatError(path, "expected \"demo\", a database file or a list of points");
  if (text == "demo") return {ArchiveSetup::Kind::Demo, {}, {}};
  return {ArchiveSetup::Kind::File, text, {}};
}

void InstallArchive(const ArchiveSetup& setup, const std::filesystem::path& scenarioFolder,
                    DateValue now) {
  switch (setup.kind) {
    case ArchiveSetup::Kind::Demo:
      UseArchive(std::make_shared<ArchiveStore>(OpenDemo(now)));
      return;
    case ArchiveSetup::Kind::File: {
      std::filesystem::path file(setup.file);
      if (file.is_relative()) file = scenarioFolder / file;
      UseArchive(std::make_shared<ArchiveStore>(ArchiveStore::Open(file, ArchiveAccess::Read)));
      return;
    }
    case ArchiveSetup::Kind::Inline:
      UseArchive(std::make_shared<ArchiveStore>(OpenInline(setup.points)));
      return;
  }
}

}  // namespace velkor::sim::scenario
