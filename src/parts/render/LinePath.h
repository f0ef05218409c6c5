// The SVG path data of a trace's line.
#pragma once

#include <string>
#include <vector>

#include "parts/render/PlotMapping.h"

namespace velkor::sim {

struct LinePath {
  std::string data;  // empty when there is no segment to draw
  // Samples with no neighbour to connect to; a path cannot show them, so
  // they are drawn as dots.
  std::vector<Point> isolated;
};

// Connects samples with straight lines, or for a stepped trace holds each
// value until the next sample (and until a break). A sample without a finite
// value starts a new subpath.
LinePath BuildLinePath(const std::vector<TracePoint>& line, bool stepped,
                       const PlotMapping& mapping);

}  // namespace velkor::sim
