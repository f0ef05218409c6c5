// One trace as SVG: its line, dots for lone samples and sample markers, and
// the value-attribute markers.
#pragma once

#include <string>

#include "parts/render/Palette.h"
#include "parts/render/PlotMapping.h"
#include "parts/render/PreparedTrace.h"

namespace velkor::sim {

struct TraceDrawing {
  const TrendTrace& source;
  const PreparedTrace& prepared;
  TraceStyle style;
};

// `statusBits` are the value attributes marked.
void AppendTrace(std::string& svg, const TraceDrawing& trace, const PlotMapping& mapping,
                 std::uint32_t statusBits);

}  // namespace velkor::sim
