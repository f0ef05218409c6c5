// What the fuzz targets share: the host stand-in with its services, set up
// once per process in a folder of its own, so that no run touches the
// user's registry, settings or log.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "tools/scenario/ScenarioSession.h"

namespace velkor::fuzz {

// The session of this process; its output folder is a fresh temporary one.
sim::scenario::ScenarioSession& Session();

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace velkor::fuzz
