// Where the title, the plot, the axis labels and the legend go.
#pragma once

#include "parts/render/PlotArea.h"
#include "parts/render/TrendPicture.h"

namespace velkor::sim {

struct Canvas {
  double width = 720.0, height = 405.0;
};

// The picture's size, with the default for a size that is no positive
// number and limited to what a chart on a worksheet can be.
Canvas CanvasFor(const TrendPicture& picture);

// How many legend rows fit in a third of the height with the gap above them
// (at least one).
int LegendRowLimit(const Canvas& canvas);

// The plot's top and height: room for the title above, the time labels and
// the legend below. Left and width span the canvas inside the padding.
PlotArea PlaceVertically(const Canvas& canvas, bool hasTitle, double legendHeight);

// Narrows `area` on the left to make room for the value labels.
void MakeRoomForLabels(PlotArea& area, const Canvas& canvas, double labelWidth);
// Narrows `area` on both sides for scales of their own.
void MakeRoomForScales(PlotArea& area, const Canvas& canvas, double left, double right);
// The width that scales of their own may take together.
double ScaleBudget(const Canvas& canvas);

// The top edge of the legend below `area`.
double LegendTop(const PlotArea& area);

}  // namespace velkor::sim
