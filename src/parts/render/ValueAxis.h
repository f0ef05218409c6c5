// The value axis: its range, its ticks in 1-2-5 steps and their labels.
#pragma once

#include <string>
#include <vector>

namespace velkor::sim {

// The lowest and highest finite value drawn; empty until one is added.
struct ValueExtent {
  double low = 0.0, high = 0.0;
  bool empty = true;
  void Add(double value);
};

class ValueAxis {
 public:
  // Spans the extent plus a margin; a constant value gets 10% either side
  // (or -1..1 around zero), no values 0..1. Finite for any finite input,
  // including values near the limits of a double. The step is the finest
  // that leaves at most `maxTicks` intervals, so there are at most one more
  // ticks than that.
  ValueAxis(const ValueExtent& extent, int maxTicks);

  double low() const { return low_; }
  double high() const { return high_; }
  const std::vector<double>& ticks() const { return ticks_; }
  // 0 at low(), 1 at high().
  double Fraction(double value) const;
  // Fixed notation with as many decimals as the step needs; scientific
  // notation for very large or very small numbers.
  std::string Label(double value) const;

 private:
  void SetRange(const ValueExtent& extent);
  void MakeTicks(int maxTicks);

  double low_ = 0.0, high_ = 1.0, step_ = 0.0;
  bool scientific_ = false;
  std::vector<double> ticks_;
};

}  // namespace velkor::sim
