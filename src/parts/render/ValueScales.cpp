#include "parts/render/ValueScales.h"

#include <algorithm>

namespace velkor::sim {

namespace {

// A trace may span this much less than its scale before it looks flat.
constexpr double kMostSqueeze = 10.0;

ValueExtent Joined(ValueExtent a, const ValueExtent& b) {
  if (!b.empty) {
    a.Add(b.low);
    a.Add(b.high);
  }
  return a;
}

// Half the span of the axis the extent gets on its own (halves stay finite
// near the limits of a double). A constant gets its axis's spread, so it is
// never infinitely narrow.
double HalfSpan(const ValueExtent& extent) {
  const ValueAxis axis(extent, 2);
  return axis.high() / 2 - axis.low() / 2;
}

// A group being formed: its traces and the narrowest of their spans.
struct Forming {
  ScaleGroup group;
  std::string unit;
  double narrowest = 0.0;
};

bool Fits(const Forming& forming, const ValueExtent& extent) {
  const double narrowest = std::min(forming.narrowest, HalfSpan(extent));
  return HalfSpan(Joined(forming.group.extent, extent)) <= kMostSqueeze * narrowest;
}

bool Joins(const Forming& forming, const ScaleInput& trace) {
  return forming.unit == trace.unit && Fits(forming, trace.extent);
}

void Add(Forming& forming, std::size_t index, const ValueExtent& extent) {
  forming.narrowest = forming.group.traces.empty() ? HalfSpan(extent)
                                                   : std::min(forming.narrowest, HalfSpan(extent));
  forming.group.traces.push_back(index);
  forming.group.extent = Joined(forming.group.extent, extent);
}

std::vector<ScaleGroup> Finished(std::vector<Forming> forming) {
  std::vector<ScaleGroup> groups;
  for (Forming& f : forming) groups.push_back(std::move(f.group));
  return groups;
}

// Every trace with values in one group, or no group when one of them would
// be squeezed.
std::vector<Forming> Shared(const std::vector<ScaleInput>& traces) {
  std::vector<Forming> one(1);
  for (std::size_t i = 0; i < traces.size(); ++i) {
    if (traces[i].extent.empty) continue;
    if (!one[0].group.traces.empty() && !Fits(one[0], traces[i].extent)) return {};
    Add(one[0], i, traces[i].extent);
  }
  return one;
}

std::vector<Forming> Separate(const std::vector<ScaleInput>& traces) {
  std::vector<Forming> groups;
  for (std::size_t i = 0; i < traces.size(); ++i) {
    if (traces[i].extent.empty) continue;
    auto it = std::find_if(groups.begin(), groups.end(),
                           [&](const Forming& f) { return Joins(f, traces[i]); });
    if (it == groups.end()) {
      groups.emplace_back();
      groups.back().unit = traces[i].unit;
      it = groups.end() - 1;
    }
    Add(*it, i, traces[i].extent);
  }
  return groups;
}

}  // namespace

std::vector<ScaleGroup> GroupScales(const std::vector<ScaleInput>& traces) {
  std::vector<Forming> groups = Shared(traces);
  if (groups.empty()) groups = Separate(traces);
  return Finished(std::move(groups));
}

std::vector<std::size_t> ScaleOfEachTrace(const std::vector<ScaleGroup>& groups,
                                          std::size_t traceCount) {
  std::vector<std::size_t> scale(traceCount, 0);
  for (std::size_t g = 0; g < groups.size(); ++g)
    for (std::size_t trace : groups[g].traces)
      if (trace < traceCount) scale[trace] = g;
  return scale;
}

}  // namespace velkor::sim
