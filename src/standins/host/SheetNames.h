// The host's rules for sheet and object names.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace velkor::sim {

// 1 to 31 characters, none of : \ / ? * [ ], not starting or ending with '.
bool IsValidSheetName(std::string_view name);

// prefix + the smallest N >= 1 for which `taken` is false ("Sheet4").
std::string FirstFreeName(std::string_view prefix,
                          const std::function<bool(const std::string&)>& taken);

}  // namespace velkor::sim
