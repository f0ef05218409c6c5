#include "parts/render/PlotLayout.h"

#include <algorithm>
#include <cmath>

#include "parts/render/Metrics.h"

namespace velkor::sim {

namespace {

constexpr double kSmallest = 32.0;
constexpr double kLargest = 16384.0;
constexpr double kLegendShare = 1.0 / 3.0;  // of the height, at most, with its gap
constexpr double kLabelGap = 6.0;
constexpr double kScaleShare = 0.3;  // of the width, for scales of their own
constexpr double kLegendGap = 4.0;
constexpr double kSmallestPlot = 1.0;

double SizeOrDefault(double size, double fallback) {
  if (!std::isfinite(size) || size <= 0.0) return fallback;
  return std::clamp(size, kSmallest, kLargest);
}

}  // namespace

Canvas CanvasFor(const TrendPicture& picture) {
  const Canvas fallback;
  return {SizeOrDefault(picture.width, fallback.width),
          SizeOrDefault(picture.height, fallback.height)};
}

int LegendRowLimit(const Canvas& canvas) {
  const double room = canvas.height * kLegendShare - kLegendGap;
  return std::max(1, static_cast<int>(room / metrics::kLegendRowHeight));
}

PlotArea PlaceVertically(const Canvas& canvas, bool hasTitle, double legendHeight) {
  using namespace metrics;
  PlotArea area;
  area.left = kPad;
  area.width = std::max(kSmallestPlot, canvas.width - 2 * kPad);
  area.top = kPad + (hasTitle ? kTitleHeight : 0.0);
  const double below = kTimeLabelHeight + (legendHeight > 0.0 ? legendHeight + kLegendGap : 0.0);
  area.height = std::max(kSmallestPlot, canvas.height - kPad - below - area.top);
  return area;
}

void MakeRoomForLabels(PlotArea& area, const Canvas& canvas, double labelWidth) {
  MakeRoomForScales(area, canvas, labelWidth + kLabelGap, 0.0);
}

void MakeRoomForScales(PlotArea& area, const Canvas& canvas, double left, double right) {
  // Scales may take up to half of the width; beyond that they overlap the plot.
  const double half = canvas.width / 2;
  const double leftMargin = std::min(left, half);
  const double rightMargin = std::min(right, half - leftMargin);
  area.left = metrics::kPad + leftMargin;
  area.width = std::max(kSmallestPlot, canvas.width - 2 * metrics::kPad - leftMargin - rightMargin);
}

double ScaleBudget(const Canvas& canvas) {
  return canvas.width * kScaleShare;
}

double LegendTop(const PlotArea& area) {
  return area.bottom() + metrics::kTimeLabelHeight + kLegendGap;
}

}  // namespace velkor::sim
