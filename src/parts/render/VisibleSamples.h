// The part of a trace that falls into the time window, with the points where
// its line enters and leaves the window.
#pragma once

#include <optional>
#include <span>

#include "parts/render/TimeWindow.h"
#include "parts/render/TrendPicture.h"

namespace velkor::sim {

struct VisibleSamples {
  std::span<const TracePoint> inside;  // samples with start <= time <= end
  // Where the line from the last sample before the window (or to the first
  // one after it) crosses the window's edge: interpolated for a line, the
  // held value for steps. Absent when no line crosses that edge.
  std::optional<TracePoint> entry;
  std::optional<TracePoint> exit;
};

// `ordered` must be in time order on the linear day scale.
VisibleSamples SelectVisible(std::span<const TracePoint> ordered, const TimeWindow& window,
                             bool stepped);

}  // namespace velkor::sim
