// The control's own string table (English, locale 1033).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velkor {

struct StringEntry {
  std::int32_t id;
  std::string_view text;
};

// All entries in id order.
std::span<const StringEntry> OwnStringTable();
// The own table's text of `id`, or nullopt.
std::optional<std::string_view> FindOwnString(std::int32_t id);
// The own table's text of `id`; Resource not found (326) when absent.
std::string_view OwnString(std::int32_t id);

}  // namespace velkor
