#include "parts/render/OrderedSamples.h"

#include <algorithm>
#include <cmath>

#include "parts/render/LinearTime.h"

namespace velkor::sim {

namespace {

// Serials from 1899-12-30 on are already linear, so the input can be used
// as it is when such times are also ascending.
bool IsUsableAsIs(const std::vector<TracePoint>& points) {
  double previous = 0.0;
  for (const TracePoint& p : points) {
    if (!std::isfinite(p.time) || p.time < previous) return false;
    previous = p.time;
  }
  return true;
}

}  // namespace

OrderedSamples::OrderedSamples(const std::vector<TracePoint>& points) {
  if (IsUsableAsIs(points)) {
    view_ = points;
    return;
  }
  own_.reserve(points.size());
  for (TracePoint p : points) {
    if (!std::isfinite(p.time)) continue;
    p.time = ToLinearDays(p.time);
    own_.push_back(p);
  }
  std::stable_sort(own_.begin(), own_.end(),
                   [](const TracePoint& a, const TracePoint& b) { return a.time < b.time; });
  view_ = own_;
}

}  // namespace velkor::sim
