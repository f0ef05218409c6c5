#include "parts/render/SvgAxes.h"

#include <algorithm>

#include "parts/render/Metrics.h"
#include "parts/render/SvgElements.h"

namespace velkor::sim {

namespace {

constexpr std::string_view kGridPaint = R"( stroke="#e3e3e3" stroke-width="0.75" fill="none")";
constexpr std::string_view kLabelGroup = "<g fill=\"#333333\">\n";
constexpr double kLabelGap = 4.0;
constexpr double kBaselineShift = 3.5;  // centres a label on its tick

std::string GridData(const PlotArea& area, const ValueAxis& axis) {
  std::string grid;
  for (double tick : axis.ticks()) {
    const double y = area.Y(axis.Fraction(tick));
    AppendCommand(grid, 'M', area.left, y);
    AppendCommand(grid, 'H', area.right());
  }
  return grid;
}

}  // namespace

void AppendValueAxis(std::string& svg, const PlotArea& area, const ValueAxis& axis) {
  svg += kLabelGroup;
  for (double tick : axis.ticks()) {
    const double y = area.Y(axis.Fraction(tick));
    AppendText(svg, area.left - kLabelGap, y + kBaselineShift, "end", axis.Label(tick));
  }
  svg += "</g>\n";
  AppendPath(svg, GridData(area, axis), kGridPaint);
}

void AppendScale(std::string& svg, const PlotArea& area, const ValueAxis& axis,
                 const PlacedScale& place, std::string_view colour) {
  if (place.scale == 0) AppendPath(svg, GridData(area, axis), kGridPaint);
  const double outward = place.right ? 1.0 : -1.0;
  const double x = place.right ? area.right() + place.offset : area.left - place.offset;
  const double labelX = x + outward * (metrics::kScaleTick + metrics::kScaleLabelGap);
  std::string lines;
  AppendCommand(lines, 'M', x, area.top);
  AppendCommand(lines, 'V', area.bottom());
  svg += "<g" + Attribute("fill", colour) + ">\n";
  for (double tick : axis.ticks()) {
    const double y = area.Y(axis.Fraction(tick));
    AppendCommand(lines, 'M', x, y);
    AppendCommand(lines, 'h', outward * metrics::kScaleTick);
    AppendText(svg, labelX, y + kBaselineShift, place.right ? "start" : "end", axis.Label(tick));
  }
  svg += "</g>\n";
  AppendPath(svg, lines, Attribute("stroke", colour) + R"( stroke-width="1" fill="none")");
}

void AppendTimeAxis(std::string& svg, const PlotArea& area, const TimeWindow& window,
                    const std::vector<TimeTick>& ticks, double canvasWidth) {
  std::string grid;
  svg += kLabelGroup;
  const double y = area.bottom() + metrics::kTimeLabelHeight - kLabelGap;
  for (const TimeTick& tick : ticks) {
    const double x = area.X(window.Fraction(tick.days));
    AppendCommand(grid, 'M', x, area.top);
    AppendCommand(grid, 'V', area.bottom());
    const double half = metrics::TextWidth(tick.label) / 2;
    const double centre = std::clamp(x, half, std::max(half, canvasWidth - half));
    AppendText(svg, centre, y, "middle", tick.label);
  }
  svg += "</g>\n";
  AppendPath(svg, grid, kGridPaint);
}

void AppendFrame(std::string& svg, const PlotArea& area) {
  AppendRect(svg, area, R"( fill="none" stroke="#8c8c8c" stroke-width="1")");
}

}  // namespace velkor::sim
