#include "parts/render/Palette.h"

#include <iterator>

namespace velkor::sim {

namespace {

// The Okabe-Ito palette, ordered so that the first traces differ most, with
// its yellow last because it is faint on white.
constexpr std::string_view kColours[] = {"#0072b2", "#d55e00", "#009e73", "#cc79a7",
                                         "#e69f00", "#56b4e9", "#000000", "#f0e442"};
constexpr std::string_view kDashes[] = {"", "6 3", "2 2", "8 3 2 3"};

}  // namespace

TraceStyle StyleForTrace(std::size_t index) {
  const std::size_t colours = std::size(kColours);
  return {kColours[index % colours], kDashes[index / colours % std::size(kDashes)]};
}

}  // namespace velkor::sim
