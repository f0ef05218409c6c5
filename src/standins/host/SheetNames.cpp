#include "standins/host/SheetNames.h"

#include "platform/VbString.h"

namespace velkor::sim {

bool IsValidSheetName(std::string_view name) {
  auto length = vb::Len(name);
  if (length < 1 || length > 31) return false;
  if (name.front() == '\'' || name.back() == '\'') return false;
  return name.find_first_of(":\\/?*[]") == std::string_view::npos;
}

std::string FirstFreeName(std::string_view prefix,
                          const std::function<bool(const std::string&)>& taken) {
  for (long n = 1;; ++n) {
    std::string name = std::string(prefix) + std::to_string(n);
    if (!taken(name)) return name;
  }
}

}  // namespace velkor::sim
