// SimPropertyBag: the container's store of one control's persisted
// properties, kept in the order the control wrote them and indexed by key
// (letter case ignored), so that a control reading every key of a large
// saved state takes time in proportion to it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/host/PropertyBag.h"

namespace velkor::sim {

using PropertyList = std::vector<std::pair<std::string, Variant>>;

class SimPropertyBag : public host::PropertyBag {
 public:
  SimPropertyBag() = default;
  // Of keys equal but for letter case, the first is the one read.
  explicit SimPropertyBag(PropertyList entries);

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
  // The entry's index in entries_, or entries_.size() when there is none.
  std::size_t Find(std::string_view name) const;
  void Reindex();

  PropertyList entries_;
  std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace velkor::sim
