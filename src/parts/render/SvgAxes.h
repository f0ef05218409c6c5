// Grid lines, tick labels and the frame of the plot.
#pragma once

#include <string>
#include <vector>

#include "parts/render/PlotArea.h"
#include "parts/render/ScaleLayout.h"
#include "parts/render/TimeAxis.h"
#include "parts/render/ValueAxis.h"

namespace velkor::sim {

// The one value scale all traces share: grid lines and grey labels.
void AppendValueAxis(std::string& svg, const PlotArea& area, const ValueAxis& axis);
// One of several scales: an axis line with ticks and labels in `colour`;
// the grid follows the first scale only.
void AppendScale(std::string& svg, const PlotArea& area, const ValueAxis& axis,
                 const PlacedScale& place, std::string_view colour);
// Labels are kept inside [0, canvasWidth].
void AppendTimeAxis(std::string& svg, const PlotArea& area, const TimeWindow& window,
                    const std::vector<TimeTick>& ticks, double canvasWidth);
void AppendFrame(std::string& svg, const PlotArea& area);

}  // namespace velkor::sim
