#include "standins/host/SimPropertyBag.h"

#include <algorithm>

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"

namespace velkor::sim {

namespace {

bool Storable(const Variant& v) {
  return !(v.IsObject() || v.IsArray() || v.IsMissing());
}

// Values the runtime cannot compare (an object default, say) are different.
bool EqualsDefault(const Variant& value, const Variant& defaultValue) {
  try {
    return VarEquals(value, defaultValue);
  } catch (...) {
    return false;
  }
}

template <class List>
auto FindIn(List& entries, std::string_view name) {
  return std::find_if(entries.begin(), entries.end(),
                      [name](const auto& e) { return vb::EqualsText(e.first, name); });
}

}  // namespace

PropertyList::iterator SimPropertyBag::Find(std::string_view name) {
  return FindIn(entries_, name);
}

bool SimPropertyBag::Contains(std::string_view name) const {
  return FindIn(entries_, name) != entries_.end();
}

Variant SimPropertyBag::ReadProperty(std::string_view name, const Variant& defaultValue) {
  auto it = Find(name);
  return it == entries_.end() ? defaultValue : it->second;
}

void SimPropertyBag::WriteProperty(std::string_view name, const Variant& value,
                                   const Variant& defaultValue) {
  if (!Storable(value)) Raise(err::kTypeMismatch);
  auto it = Find(name);
  if (EqualsDefault(value, defaultValue)) {
    if (it != entries_.end()) entries_.erase(it);
  } else if (it != entries_.end()) {
    it->second = value;
  } else {
    entries_.emplace_back(std::string(name), value);
  }
}

}  // namespace velkor::sim
