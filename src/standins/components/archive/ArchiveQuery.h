// Reading one archive specification's values over a time range.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "parts/archive/ArchiveStore.h"
#include "parts/render/TrendPicture.h"
#include "parts/time/TimeText.h"

namespace velkor::sim {

struct SeriesRead {
  std::vector<TracePoint> points;
  bool pointKnown = false;  // false: the archive has no such server or tag
  std::string units;
};

// The samples of (server, tag) within `range`, both bounds included; none
// when the range ends before it starts.
SeriesRead ReadSeries(const ArchiveStore& archive, std::string_view server, std::string_view tag,
                      const TimeRange& range);

}  // namespace velkor::sim
