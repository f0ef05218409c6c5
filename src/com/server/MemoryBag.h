// MemoryBag: a property bag held in memory, in the order the control wrote
// its keys. The control saves into one and loads from one when the container
// persists it through a stream (StreamLayout.h), so that both ways of saving
// follow the same two rules: a value equal to its default is not stored, and
// an absent key reads as the default given at the read.
#pragma once

#include <string_view>

#include "com/server/StreamLayout.h"
#include "platform/host/PropertyBag.h"

namespace velkor::com {

class MemoryBag : public host::PropertyBag {
 public:
  MemoryBag() = default;
  explicit MemoryBag(StreamEntries entries) : entries_(std::move(entries)) {}

  // Keys are matched ignoring letter case, like the container's bag.
  Variant ReadProperty(std::string_view name, const Variant& defaultValue) override;
  void WriteProperty(std::string_view name, const Variant& value,
                     const Variant& defaultValue) override;

  const StreamEntries& Entries() const { return entries_; }

 private:
  StreamEntries::iterator Find(std::string_view name);

  StreamEntries entries_;
};

// Whether a value equals the default it is written with, by the runtime's
// comparison; values the runtime cannot compare count as different.
bool EqualsDefault(const Variant& value, const Variant& defaultValue);

}  // namespace velkor::com
