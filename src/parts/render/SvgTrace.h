// One trace as SVG: its line, dots for lone samples and sample markers, and
// the value-attribute markers.
#pragma once

#include <string>

#include "sim/render/Palette.h"
#include "sim/render/PlotMapping.h"
#include "sim/render/PreparedTrace.h"

namespace velkor::sim {

struct TraceDrawing {
  const TrendTrace& source;
  const PreparedTrace& prepared;
  TraceStyle style;
};

void AppendTrace(std::string& svg, const TraceDrawing& trace, const PlotMapping& mapping,
                 bool showValueAttributes);

}  // namespace velkor::sim
