// SimPropertyBag: the container's store of one control's persisted
// properties, kept in the order the control wrote them.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/host/PropertyBag.h"

namespace velkor::sim {

using PropertyList = std::vector<std::pair<std::string, Variant>>;

class SimPropertyBag : public host::PropertyBag {
 public:
  SimPropertyBag() = default;
  explicit SimPropertyBag(PropertyList entries) : entries_(std::move(entries)) {}

  // An absent key (letter case ignored) reads as `defaultValue`.
  Variant ReadProperty(std::string_view name, const Variant& defaultValue) override;
  // A value equal to `defaultValue` (the runtime's comparison) is not stored,
  // and drops an earlier value of the key. Raises Type mismatch (13) for an
  // object, an array or a missing argument, which a saved file cannot hold.
  void WriteProperty(std::string_view name, const Variant& value,
                     const Variant& defaultValue) override;

  const PropertyList& Entries() const { return entries_; }
  bool Contains(std::string_view name) const;

 private:
  PropertyList::iterator Find(std::string_view name);

  PropertyList entries_;
};

}  // namespace velkor::sim
