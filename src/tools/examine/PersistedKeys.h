// The keys the trend control writes into its property bag when a workbook is
// saved, with the subtype each is read as and the value an absent key reads
// as.
#pragma once

#include <span>
#include <string_view>

#include "platform/Variant.h"

namespace velkor::sim::inspect {

enum class KeyType { String, Boolean, Variant };

struct PersistedKey {
  std::string_view name;
  KeyType type;
  Variant readDefault;
};

// The keys in the order the control writes them.
std::span<const PersistedKey> ControlPersistedKeys();

std::string_view KeyTypeName(KeyType type);

}  // namespace velkor::sim::inspect
