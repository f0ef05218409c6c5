#include "parts/render/VisibleSamples.h"

#include <algorithm>
#include <cmath>

namespace velkor::sim {

namespace {

bool HasValue(const TracePoint& p) {
  return std::isfinite(p.value);
}

// The value where the segment a-b crosses `time`; written so that values
// near the limits of a double cannot overflow.
double Interpolate(const TracePoint& a, const TracePoint& b, double time) {
  const double f = (time - a.time) / (b.time - a.time);
  return a.value * (1.0 - f) + b.value * f;
}

// The crossing of the segment from `before` to `after` at `time`.
std::optional<TracePoint> Crossing(const TracePoint* before, const TracePoint* after, double time,
                                   bool stepped) {
  if (before == nullptr || !HasValue(*before)) return std::nullopt;
  if (stepped) return TracePoint{time, before->value, 0};
  if (after == nullptr || !HasValue(*after)) return std::nullopt;
  return TracePoint{time, Interpolate(*before, *after, time), 0};
}

}  // namespace

VisibleSamples SelectVisible(std::span<const TracePoint> ordered, const TimeWindow& window,
                             bool stepped) {
  const auto byTime = [](const TracePoint& p, double t) { return p.time < t; };
  const auto first = std::lower_bound(ordered.begin(), ordered.end(), window.start, byTime);
  const auto last = std::upper_bound(ordered.begin(), ordered.end(), window.end,
                                     [](double t, const TracePoint& p) { return t < p.time; });
  VisibleSamples visible;
  visible.inside = std::span<const TracePoint>(first, last);
  const TracePoint* before = first == ordered.begin() ? nullptr : &*(first - 1);
  const TracePoint* after = last == ordered.end() ? nullptr : &*last;
  const TracePoint* firstInside = visible.inside.empty() ? after : &visible.inside.front();
  const TracePoint* lastInside = visible.inside.empty() ? before : &visible.inside.back();
  const bool startsAtEdge = !visible.inside.empty() && firstInside->time == window.start;
  const bool endsAtEdge = !visible.inside.empty() && lastInside->time == window.end;
  if (!startsAtEdge) visible.entry = Crossing(before, firstInside, window.start, stepped);
  if (!endsAtEdge && after != nullptr)
    visible.exit = Crossing(lastInside, after, window.end, stepped);
  return visible;
}

}  // namespace velkor::sim
