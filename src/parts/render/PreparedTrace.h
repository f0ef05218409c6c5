// A trace reduced to what the picture shows of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "parts/render/TimeWindow.h"
#include "parts/render/TrendPicture.h"
#include "parts/render/ValueAxis.h"

namespace velkor::sim {

struct PreparedTrace {
  // In time order within the window, decimated, with the points where the
  // line enters and leaves the window; a sample without a finite value is a
  // break in the line.
  std::vector<TracePoint> line;
  std::vector<TracePoint> flagged;  // samples with value attributes
  std::uint32_t statusBits = 0;     // every attribute bit among `flagged`
  // Whether `line` begins or ends with a point made up at the window edge.
  bool hasEntry = false, hasExit = false;
};

// Samples are reduced to a few per column when there are `columns` pixel
// columns across the window.
PreparedTrace PrepareTrace(const TrendTrace& trace, const TimeWindow& window, std::size_t columns);

// The finite values of one prepared line.
ValueExtent ExtentOf(const PreparedTrace& trace);

}  // namespace velkor::sim
