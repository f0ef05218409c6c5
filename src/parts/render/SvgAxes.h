// Grid lines, tick labels and the frame of the plot.
#pragma once

#include <string>
#include <vector>

#include "parts/render/PlotArea.h"
#include "parts/render/TimeAxis.h"
#include "parts/render/ValueAxis.h"

namespace velkor::sim {

void AppendValueAxis(std::string& svg, const PlotArea& area, const ValueAxis& axis);
// Labels are kept inside [0, canvasWidth].
void AppendTimeAxis(std::string& svg, const PlotArea& area, const TimeWindow& window,
                    const std::vector<TimeTick>& ticks, double canvasWidth);
void AppendFrame(std::string& svg, const PlotArea& area);

// The widest value label, for the margin left of the plot.
double ValueLabelWidth(const ValueAxis& axis);

}  // namespace velkor::sim
