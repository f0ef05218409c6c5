#include "parts/archive/ArchiveNames.h"

#include "platform/VbString.h"

namespace velkor::sim {

std::string StoredName(std::string_view name) {
  return vb::Trim(name);
}

std::string NameKey(std::string_view name) {
  return vb::UCase(vb::Trim(name));
}

}  // namespace velkor::sim
