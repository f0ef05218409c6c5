// Where a sample lands in the picture.
#pragma once

#include "parts/render/PlotArea.h"
#include "parts/render/TimeWindow.h"
#include "parts/render/TrendPicture.h"
#include "parts/render/ValueAxis.h"

namespace velkor::sim {

struct Point {
  double x = 0.0, y = 0.0;
};

struct PlotMapping {
  const PlotArea& area;
  const TimeWindow& window;
  const ValueAxis& axis;

  double X(double days) const { return area.X(window.Fraction(days)); }
  double Y(double value) const { return area.Y(axis.Fraction(value)); }
  Point At(const TracePoint& p) const { return {X(p.time), Y(p.value)}; }
};

}  // namespace velkor::sim
