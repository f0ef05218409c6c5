#include "standins/host/SimPropertyBag.h"

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

}  // namespace

SimPropertyBag::SimPropertyBag(PropertyList entries) : entries_(std::move(entries)) {
  Reindex();
}

void SimPropertyBag::Reindex() {
  index_.clear();
  for (std::size_t i = 0; i < entries_.size(); ++i)
    index_.try_emplace(vb::FoldKey(entries_[i].first), i);
}

std::size_t SimPropertyBag::Find(std::string_view name) const {
  auto it = index_.find(vb::FoldKey(name));
  return it == index_.end() ? entries_.size() : it->second;
}

bool SimPropertyBag::Contains(std::string_view name) const {
  return Find(name) != entries_.size();
}

Variant SimPropertyBag::ReadProperty(std::string_view name, const Variant& defaultValue) {
  const std::size_t i = Find(name);
  return i == entries_.size() ? defaultValue : entries_[i].second;
}

void SimPropertyBag::WriteProperty(std::string_view name, const Variant& value,
                                   const Variant& defaultValue) {
  if (!Storable(value)) Raise(err::kTypeMismatch);
  const std::size_t i = Find(name);
  if (EqualsDefault(value, defaultValue)) {
    if (i == entries_.size()) return;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
    Reindex();
  } else if (i != entries_.size()) {
    entries_[i].second = value;
  } else {
    index_.emplace(vb::FoldKey(name), entries_.size());
    entries_.emplace_back(std::string(name), value);
  }
}

}  // namespace velkor::sim
