// The signals of the demo archive, each a function of the minute it is
// sampled at, so that the same window always gives the same values.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "parts/archive/ArchiveTypes.h"

namespace velkor::sim {

struct DemoSignal {
  std::string_view tag;
  std::string_view description;
  std::string_view units;
  // Fills the values and statuses of `samples`, whose times are set; the
  // first lies at minute `firstMinute` of the day count.
  void (*fill)(std::span<Sample> samples, std::int64_t firstMinute);
};

// sinusoid, ramp, randomwalk and cdt158 (a plant temperature with a daily
// cycle, noise and a few gaps).
std::span<const DemoSignal> DemoSignals();

}  // namespace velkor::sim
