// The values an archive holds and hands out: servers, points (one tag on one
// server) and their time-stamped samples.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Variant.h"

namespace velkor::sim {

using ServerId = std::int64_t;
using PointId = std::int64_t;

// Bits of a sample's status; 0 is a good value.
namespace sample_status {
inline constexpr std::int32_t kGood = 0;
inline constexpr std::int32_t kQuestionable = 1;  // the source doubts the value
inline constexpr std::int32_t kSubstituted = 2;   // entered or replaced by hand
inline constexpr std::int32_t kAnnotated = 4;     // a note is attached to the value
}  // namespace sample_status

// One archived value. A NaN value is a gap: the source had no value then.
struct Sample {
  DateValue time;
  double value = 0.0;
  std::int32_t status = sample_status::kGood;
};

struct PointDetails {
  std::string description;
  std::string units;
};

// One row of the point list, names as they were added.
struct PointRow {
  std::string server;
  std::string tag;
  PointDetails details;
};

// What a range read of one server and tag found.
struct RangeRead {
  bool pointKnown = false;  // false: no such server or tag, and no samples
  std::string units;        // the point's engineering units; empty when none are stored
  // The last sample before the start of the range, for drawing steps into it.
  std::optional<Sample> before;
  std::vector<Sample> samples;  // ordered by time, both bounds included
};

}  // namespace velkor::sim
