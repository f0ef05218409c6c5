#include "parts/archive/DemoArchive.h"

#include <cmath>
#include <string>
#include <vector>

#include "parts/archive/DemoSignals.h"
#include "parts/time/DayCount.h"
#include "platform/DateRange.h"
#include "platform/ErrorNumbers.h"

namespace velkor::sim {

namespace {

constexpr int kGeneratorVersion = 1;
constexpr double kMinutesPerDay = 1440.0;

// The whole minute at or before `now`, counted on the day count. Going
// through milliseconds keeps a `now` that is meant as a whole minute from
// falling to the minute before by rounding.
std::int64_t LastMinute(DateValue now) {
  if (!IsDateInRange(now.serial)) {
    throw VbError(err::kInvalidProcedureCall, "The demo archive needs a date as its end time");
  }
  const auto ms = static_cast<std::int64_t>(std::llround(ToDayCount(now) * 86400000.0));
  const std::int64_t minute = ms / 60000;
  return ms % 60000 < 0 ? minute - 1 : minute;
}

std::vector<Sample> EmptySamples(std::int64_t firstMinute) {
  std::vector<Sample> samples(static_cast<std::size_t>(kDemoMinutes));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto minute = static_cast<double>(firstMinute + static_cast<std::int64_t>(i));
    samples[i].time = FromDayCount(minute / kMinutesPerDay);
  }
  return samples;
}

}  // namespace

void GenerateDemoArchive(ArchiveStore& store, DateValue now) {
  const std::int64_t firstMinute = LastMinute(now) - kDemoMinutes + 1;
  const std::vector<Sample> times = EmptySamples(firstMinute);
  const ServerId server = store.AddServer(kDemoServer);
  for (const DemoSignal& signal : DemoSignals()) {
    const PointId point =
        store.AddPoint(server, signal.tag,
                       PointDetails{std::string(signal.description), std::string(signal.units)});
    std::vector<Sample> samples = times;
    signal.fill(samples, firstMinute);
    store.AppendValues(point, samples);
  }
  store.SetInfo(kDemoParametersKey, DemoArchiveParameters(now));
}

ArchiveStore OpenDemoArchive(DateValue now) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  GenerateDemoArchive(store, now);
  return store;
}

std::string DemoArchiveParameters(DateValue now) {
  return "generator " + std::to_string(kGeneratorVersion) + "; last minute " +
         std::to_string(LastMinute(now)) + "; minutes " + std::to_string(kDemoMinutes);
}

}  // namespace velkor::sim
