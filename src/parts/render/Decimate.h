// Min-max decimation: a trace with more samples than the picture has pixel
// columns is reduced to a few samples per column without losing its extremes.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "parts/render/TimeWindow.h"
#include "parts/render/TrendPicture.h"

namespace velkor::sim {

struct DecimatedSamples {
  // In time order; a sample without a finite value marks a break in the line.
  std::vector<TracePoint> line;
  // Samples with value attributes and a finite value: all of them, or after
  // reduction the first sample of each column that carries each bit.
  std::vector<TracePoint> flagged;
};

// Keeps every sample while there are at most four per column. Otherwise each
// column keeps, in time order, the first, lowest, highest and last sample of
// every unbroken stretch, and its breaks. `samples` must be in time order and
// inside `window`; one pass, O(n).
DecimatedSamples Decimate(std::span<const TracePoint> samples, const TimeWindow& window,
                          std::size_t columns);

}  // namespace velkor::sim
