// The rectangle the traces are drawn in, and how fractions of the time and
// value axes map onto it.
#pragma once

namespace velkor::sim {

struct PlotArea {
  double left = 0.0, top = 0.0, width = 1.0, height = 1.0;

  double right() const { return left + width; }
  double bottom() const { return top + height; }
  double X(double fraction) const { return left + fraction * width; }
  double Y(double fraction) const { return bottom() - fraction * height; }
};

}  // namespace velkor::sim
