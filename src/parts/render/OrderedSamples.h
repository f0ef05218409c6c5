// A trace's samples as the renderer walks them: finite times on the linear
// day scale, in time order.
#pragma once

#include <span>
#include <vector>

#include "parts/render/TrendPicture.h"

namespace velkor::sim {

class OrderedSamples {
 public:
  // Borrows `points` when they are already in order (the usual case, which
  // costs one pass and no copy); otherwise keeps a sorted copy without the
  // samples whose time is not a number.
  explicit OrderedSamples(const std::vector<TracePoint>& points);
  OrderedSamples(const OrderedSamples&) = delete;
  OrderedSamples& operator=(const OrderedSamples&) = delete;

  std::span<const TracePoint> points() const { return view_; }

 private:
  std::vector<TracePoint> own_;
  std::span<const TracePoint> view_;
};

}  // namespace velkor::sim
