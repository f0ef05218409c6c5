// Typed access to the fields of a parsed JSON document that reports a bad
// field by its JSON path ("/sheets/0/name").
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "standins/host/VariantJson.h"

namespace velkor::sim::json {

// `path` + "/" + `key`, with "~" and "/" in the key escaped as in a JSON pointer.
std::string Child(const std::string& path, std::string_view key);
std::string Child(const std::string& path, std::size_t index);

const Json& Object(const Json& j, const std::string& path);
const Json& Array(const Json& j, const std::string& path);
std::string String(const Json& j, const std::string& path);
// A finite number from `min` up to `max`.
double Number(const Json& j, const std::string& path, double min,
              double max = std::numeric_limits<double>::max());
// A whole number from `min` up to the largest Long.
std::int32_t Long(const Json& j, const std::string& path, std::int32_t min);
bool Boolean(const Json& j, const std::string& path);

// The member `key` of `object`; a missing one is a fault at its path.
const Json& Required(const Json& object, const std::string& path, std::string_view key);
// The member `key`, or nullptr when it is absent.
const Json* Optional(const Json& object, std::string_view key);

}  // namespace velkor::sim::json
