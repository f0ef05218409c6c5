// The control names files the way its platform writes them, with "\" between
// folders; the stand-ins open them on this system.
#pragma once

#include <filesystem>
#include <string_view>

namespace velkor::sim {

// `file` with every "\" read as a folder separator.
std::filesystem::path HostPath(std::string_view file);

}  // namespace velkor::sim
