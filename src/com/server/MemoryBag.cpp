#include "com/server/MemoryBag.h"

#include "platform/Conversions.h"
#include "platform/VbString.h"

namespace velkor::com {

bool EqualsDefault(const Variant& value, const Variant& defaultValue) {
  try {
    return VarEquals(value, defaultValue);
  } catch (...) {
    return false;
  }
}

StreamEntries::iterator MemoryBag::Find(std::string_view name) {
  const std::string key = vb::FoldKey(name);
  for (auto it = entries_.begin(); it != entries_.end(); ++it)
    if (vb::FoldKey(it->first) == key) return it;
  return entries_.end();
}

Variant MemoryBag::ReadProperty(std::string_view name, const Variant& defaultValue) {
  auto it = Find(name);
  return it == entries_.end() ? defaultValue : it->second;
}

void MemoryBag::WriteProperty(std::string_view name, const Variant& value,
                              const Variant& defaultValue) {
  auto it = Find(name);
  if (EqualsDefault(value, defaultValue)) {
    if (it != entries_.end()) entries_.erase(it);
    return;
  }
  if (it != entries_.end())
    it->second = value;
  else
    entries_.emplace_back(std::string(name), value);
}

}  // namespace velkor::com
