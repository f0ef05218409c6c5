#include "standins/components/library/DataMode.h"

#include "platform/Conversions.h"

namespace velkor::sim::data_mode {

std::int32_t ModeOf(const Variant& mode) {
  if (mode.IsMissing() || mode.IsEmpty() || mode.IsNull()) return kAll;
  return CLng(mode) == kChanged ? kChanged : kAll;
}

}  // namespace velkor::sim::data_mode
