#include "parts/render/SvgTrace.h"

#include <cmath>
#include <span>

#include "parts/render/LinePath.h"
#include "parts/render/MarkerShapes.h"
#include "parts/render/SvgElements.h"

namespace velkor::sim {

namespace {

constexpr double kDotRadius = 2.5;
constexpr double kSampleMarkerRadius = 2.0;
// Sample markers closer than this merge into a thick line; leave them out.
constexpr double kMarkerSpacing = 4.0;

// The real samples of the line, without the points made up at the edges.
std::span<const TracePoint> Samples(const PreparedTrace& trace) {
  const std::span<const TracePoint> line = trace.line;
  const std::size_t made = (trace.hasEntry ? 1 : 0) + (trace.hasExit ? 1 : 0);
  return line.subspan(trace.hasEntry ? 1 : 0, line.size() - made);
}

std::string DotData(const TraceDrawing& trace, const LinePath& path, const PlotMapping& mapping) {
  std::string data;
  for (const Point& p : path.isolated) AppendDot(data, p.x, p.y, kDotRadius);
  const std::span<const TracePoint> samples = Samples(trace.prepared);
  if (!trace.source.markers ||
      static_cast<double>(samples.size()) * kMarkerSpacing > mapping.area.width)
    return data;
  for (const TracePoint& sample : samples) {
    if (!std::isfinite(sample.value)) continue;
    const Point at = mapping.At(sample);
    AppendDot(data, at.x, at.y, kSampleMarkerRadius);
  }
  return data;
}

void AppendStatusMarkers(std::string& svg, const TraceDrawing& trace, const PlotMapping& mapping,
                         std::uint32_t statusBits) {
  const std::string paint =
      R"( fill="#ffffff" stroke-width="1")" + Attribute("stroke", trace.style.colour);
  for (std::uint32_t bit : status::kEach) {
    if ((statusBits & bit) == 0) continue;
    std::string data;
    for (const TracePoint& p : trace.prepared.flagged) {
      if ((p.status & bit) == 0) continue;
      const Point at = mapping.At(p);
      AppendStatusMarker(data, bit, at.x, at.y);
    }
    AppendPath(svg, data, paint);
  }
}

}  // namespace

void AppendTrace(std::string& svg, const TraceDrawing& trace, const PlotMapping& mapping,
                 std::uint32_t statusBits) {
  const LinePath path = BuildLinePath(trace.prepared.line, trace.source.stepped, mapping);
  std::string linePaint = Attribute("stroke", trace.style.colour);
  if (!trace.style.dashArray.empty())
    linePaint += Attribute("stroke-dasharray", trace.style.dashArray);
  AppendPath(svg, path.data, linePaint);
  AppendPath(svg, DotData(trace, path, mapping), Attribute("fill", trace.style.colour));
  AppendStatusMarkers(svg, trace, mapping, statusBits);
}

}  // namespace velkor::sim
