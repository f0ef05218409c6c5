// The few texts the renderer writes itself, in the chart's language.
#pragma once

#include <string_view>

namespace velkor::sim {

struct Captions {
  std::string_view noData;
  std::string_view noTimeRange;
  std::string_view questionable;
  std::string_view substituted;
  std::string_view annotated;
};

// `language` is a decimal locale id ("1031") or a language tag ("de-DE");
// English for anything else.
const Captions& CaptionsFor(std::string_view language);

}  // namespace velkor::sim
