// Every benchmark of the project, each at every size in `traces` (the render
// step has a fixed size of its own). Each size's trace-info document is also
// parsed and saved by pugixml alone in the same run, the floor the ratios
// are taken against.
#pragma once

#include <cstdint>
#include <span>

namespace velkor::bench {

void RegisterAll(std::span<const std::int32_t> traces);

}  // namespace velkor::bench
