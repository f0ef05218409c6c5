// Where the value scales go when traces have scales of their own: the first
// left of the plot, the second right of it, further ones outside those in
// turn, as many as fit in a share of the picture's width.
#pragma once

#include <cstddef>
#include <vector>

#include "parts/render/ValueAxis.h"

namespace velkor::sim {

struct PlacedScale {
  std::size_t scale = 0;  // position among the scales
  bool right = false;     // beside the plot's right edge
  double offset = 0.0;    // of its axis line outward from that edge
};

struct ScaleLayout {
  std::vector<PlacedScale> placed;
  double left = 0.0, right = 0.0;  // the margins the scales take
};

// The widest value label, for the margin beside the plot.
double ValueLabelWidth(const ValueAxis& axis);

// The room one scale takes: its axis line, ticks, labels and a gap.
double ScaleWidth(const ValueAxis& axis);

// How many of the scales, taken in order, fit in `budget` (the first always).
std::size_t ScalesThatFit(const std::vector<ValueAxis>& axes, double budget);

// Places the first `count` scales.
ScaleLayout PlaceScales(const std::vector<ValueAxis>& axes, std::size_t count);

}  // namespace velkor::sim
