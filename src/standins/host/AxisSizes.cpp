#include "standins/host/AxisSizes.h"

namespace velkor::sim {

double AxisSizes::Size(std::int32_t index) const {
  auto it = custom_.find(index);
  return it == custom_.end() ? default_ : it->second;
}

void AxisSizes::SetSize(std::int32_t index, double points) {
  if (points == default_)
    custom_.erase(index);
  else
    custom_[index] = points;
}

double AxisSizes::Offset(std::int32_t index) const {
  double offset = default_ * (index - 1);
  for (auto it = custom_.begin(); it != custom_.end() && it->first < index; ++it)
    offset += it->second - default_;
  return offset;
}

}  // namespace velkor::sim
