// StreamLayout: the byte layout in which the control saves its persisted
// properties to a stream, for containers that save controls through
// IPersistStreamInit instead of a property bag. It holds the same keys and
// values the property bag would, in the order they were written; docs/com.md
// describes the layout byte by byte.
//
//   "VKPS"                 4 bytes, the layout's mark
//   version                u16, currently 1
//   body length            u32, the bytes that follow (count and entries)
//   entry count            u16
//   per entry:  key        u16 byte count + UTF-8 text
//               subtype    u8 (StreamTag)
//               value      by subtype: Boolean u8 (0 or 1), Integer i16,
//                          Long i32, Error i32, Double and Date f64,
//                          String u32 byte count + UTF-8; Empty and Null none
//
// All numbers are little-endian. The body length lets a reader take exactly
// the control's bytes out of a container's stream that goes on after them. A
// reader refuses a newer version, a truncated layout, an unknown subtype,
// lengths beyond the data and bytes left over, rather than guess.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Variant.h"

namespace velkor::com {

inline constexpr char kStreamMark[4] = {'V', 'K', 'P', 'S'};
inline constexpr std::uint16_t kStreamVersion = 1;

enum class StreamTag : std::uint8_t {
  Empty = 0,
  Null = 1,
  Boolean = 2,
  Integer = 3,
  Long = 4,
  Double = 5,
  Date = 6,
  String = 7,
  Error = 8,
};

using StreamEntries = std::vector<std::pair<std::string, Variant>>;

inline constexpr std::size_t kStreamHeaderSize = 10;  // mark, version, body length
// A body longer than this is taken for damage, not for saved properties.
inline constexpr std::uint32_t kStreamMaxBody = 16u << 20;

// The bytes of `entries`, header included. Raises Type mismatch (13) for a
// value the layout cannot hold (an object, an array, a missing argument) and
// Overflow (6) for more entries or longer texts than its counts allow.
std::string EncodeStream(const StreamEntries& entries);

// The body length the header announces; nullopt for a header this version
// does not read (another mark, version 0 or a newer one, an oversized body).
std::optional<std::uint32_t> BodyLength(const std::string& header);

// The entries of a body; nullopt when it is damaged.
std::optional<StreamEntries> DecodeBody(const std::string& body);

// Header and body in one piece; nullopt unless `bytes` is exactly one layout.
std::optional<StreamEntries> DecodeStream(const std::string& bytes);

}  // namespace velkor::com
