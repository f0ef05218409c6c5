#include "standins/components/archive/ArchiveQuery.h"

namespace velkor::sim {

SeriesRead ReadSeries(const ArchiveStore& archive, std::string_view server, std::string_view tag,
                      const TimeRange& range) {
  RangeRead read = archive.ReadRange(server, tag, range.start, range.end);
  SeriesRead series;
  series.pointKnown = read.pointKnown;
  series.units = std::move(read.units);
  series.points.reserve(read.samples.size());
  for (const Sample& s : read.samples)
    series.points.push_back({s.time.serial, s.value, static_cast<std::uint32_t>(s.status)});
  return series;
}

}  // namespace velkor::sim
