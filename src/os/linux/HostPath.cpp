#include "os/linux/HostPath.h"

#include <algorithm>
#include <string>

namespace velkor::sim {

std::filesystem::path HostPath(std::string_view file) {
  std::string native(file);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

}  // namespace velkor::sim
