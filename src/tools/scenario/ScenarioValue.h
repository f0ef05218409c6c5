// Values in scenario files: how a JSON value stands for a Variant, how a
// Variant is shown, and how an expected value is compared with an actual one.
//   "text" String        1.5 Double           true Boolean       null Empty
//   {"long": 5} Long     {"int": 5} Integer   {"date": "2026-12-07T06:00:00"} Date
//   {"error": 2015} error value               {"missing": true} an omitted argument
//   {"null": true} Null  [..] an array (lower bound 0)
//   {"object": "Name"} the object of the OLE object of that name
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Object.h"
#include "standins/host/VariantJson.h"

namespace velkor::sim::scenario {

// The object inside the OLE object of that name; raises when there is none.
using ObjectLookup = std::function<ObjectPtr(const std::string& name)>;

// Throws FileFormatError at `path` for JSON that is no scenario value. With
// an empty `lookup` an object value decodes as Nothing (for checking a file
// before it runs).
Variant DecodeScenarioValue(const Json& json, const std::string& path, const ObjectLookup& lookup);
// The scenario form of a value; an object shows as {"object": its type name}.
Json EncodeScenarioValue(const Variant& value);

// Whether `actual` is the value `expected` describes: the same subtype and an
// equal value (numbers within a relative 1e-9), arrays element by element,
// {"object": name} the very object of that OLE object.
bool ValueMatches(const Json& expected, const Variant& actual, const ObjectLookup& lookup);
// Two JSON documents alike: numbers within a relative 1e-9, lists of the
// same length, and of an object only the keys `expected` gives.
bool JsonMatches(const Json& expected, const Json& actual);

// An error number written as a number (13, 1004) or as HRESULT text
// ("0x8004F003"); throws FileFormatError at `path` otherwise.
std::int32_t DecodeErrorNumber(const Json& json, const std::string& path);
// The number as the runtime reports it, HRESULTs as "0x8004F003".
std::string ShowErrorNumber(std::int32_t number);

}  // namespace velkor::sim::scenario
