#include "parts/render/ScaleLayout.h"

#include <algorithm>

#include "parts/render/Metrics.h"

namespace velkor::sim {

double ValueLabelWidth(const ValueAxis& axis) {
  double widest = 0.0;
  for (double tick : axis.ticks()) widest = std::max(widest, metrics::TextWidth(axis.Label(tick)));
  return widest;
}

double ScaleWidth(const ValueAxis& axis) {
  return ValueLabelWidth(axis) + metrics::kScaleTick + metrics::kScaleLabelGap + metrics::kScaleGap;
}

std::size_t ScalesThatFit(const std::vector<ValueAxis>& axes, double budget) {
  std::size_t count = 0;
  double used = 0.0;
  for (const ValueAxis& axis : axes) {
    used += ScaleWidth(axis);
    if (count > 0 && used > budget) break;
    ++count;
  }
  return count;
}

ScaleLayout PlaceScales(const std::vector<ValueAxis>& axes, std::size_t count) {
  ScaleLayout layout;
  for (std::size_t i = 0; i < count && i < axes.size(); ++i) {
    const bool right = i % 2 == 1;
    double& margin = right ? layout.right : layout.left;
    layout.placed.push_back({i, right, margin});
    margin += ScaleWidth(axes[i]);
  }
  return layout;
}

}  // namespace velkor::sim
