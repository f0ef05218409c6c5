// AxisSizes: the widths of a sheet's columns or the heights of its rows,
// stored only where they differ from the default, with the offsets and
// spans that cell geometry needs.
#pragma once

#include <cstdint>
#include <map>

namespace velkor::sim {

class AxisSizes {
 public:
  explicit AxisSizes(double defaultSize) : default_(defaultSize) {}

  double Size(std::int32_t index) const;
  void SetSize(std::int32_t index, double points);
  // The sum of the sizes before `index` (the position of its leading edge).
  double Offset(std::int32_t index) const;
  // The sum of the sizes from `first` to `last`, inclusive.
  double Span(std::int32_t first, std::int32_t last) const {
    return Offset(last + 1) - Offset(first);
  }
  const std::map<std::int32_t, double>& Custom() const { return custom_; }

 private:
  double default_;
  std::map<std::int32_t, double> custom_;
};

}  // namespace velkor::sim
