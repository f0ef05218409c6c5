// Typed values in workbook files. Each Variant subtype has one JSON form, so
// a value reads back with the subtype it was saved with:
//   Empty  null            String  "text"           Boolean  true
//   Double 1.5             Long    {"long": 5}      Integer  {"integer": 5}
//   Date   {"date": "2026-12-07T06:00:00"}          Error    {"error": 2015}
//   Null   {"null": true}
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "platform/Variant.h"

namespace velkor::sim {

using Json = nlohmann::ordered_json;

// Raises Type mismatch (13) for a subtype a file cannot hold (Object, Array,
// Missing) and Overflow (6) for a number JSON cannot hold (NaN, infinity).
Json EncodeValue(const Variant& value);
// Throws FileFormatError naming `path` for anything that is not one of the forms above.
Variant DecodeValue(const Json& json, const std::string& path);

}  // namespace velkor::sim
