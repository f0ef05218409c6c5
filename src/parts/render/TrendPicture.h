// What the stand-in chart hands to the renderer: one frozen picture of a
// trend, independent of the components that produced it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Variant.h"

namespace velkor::sim {

// Value attribute bits of a sample; 0 means a good value.
namespace status {
inline constexpr std::uint32_t kQuestionable = 1;
inline constexpr std::uint32_t kSubstituted = 2;
inline constexpr std::uint32_t kAnnotated = 4;
inline constexpr std::uint32_t kAll = kQuestionable | kSubstituted | kAnnotated;
inline constexpr std::uint32_t kEach[] = {kQuestionable, kSubstituted, kAnnotated};
// Marked even when the value attributes are not shown: a doubtful value
// must not look like a good one.
inline constexpr std::uint32_t kAlwaysMarked = kQuestionable;
}  // namespace status

struct TracePoint {
  double time = 0.0;   // date serial (days since 1899-12-30)
  double value = 0.0;  // NaN or an infinity: no value, the line breaks here
  std::uint32_t status = 0;
};

enum class TraceKind : std::uint8_t { Archive, Worksheet };

struct TrendTrace {
  std::string name;  // legend text, UTF-8
  std::string unit;  // engineering units shown after the name; empty: none
  TraceKind kind = TraceKind::Archive;
  // Any order; the renderer sorts by time when needed (stable, so samples
  // with the same time keep their order).
  std::vector<TracePoint> points;
  bool stepped = false;  // a value holds until the next sample
  bool markers = false;  // mark every sample (when there are few enough)
};

struct TrendPicture {
  std::string title;  // UTF-8; empty: no title line
  DateValue start;
  DateValue end;
  bool showValueAttributes = false;
  std::string language;  // a decimal locale id ("1031") or a tag ("de-DE")
  double width = 720.0;  // points
  double height = 405.0;
  std::vector<TrendTrace> traces;  // drawn and listed in this order
};

}  // namespace velkor::sim
