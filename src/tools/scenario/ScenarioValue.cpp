#include "tools/scenario/ScenarioValue.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "standins/host/FileFormatError.h"
#include "standins/host/JsonFields.h"

namespace velkor::sim::scenario {

namespace {

bool IsTagged(const Json& json, const char* tag) {
  return json.is_object() && json.size() == 1 && json.contains(tag);
}

Variant DecodeObject(const Json& json, const std::string& path, const ObjectLookup& lookup) {
  const std::string name = json::String(json.at("object"), json::Child(path, "object"));
  return lookup ? Variant(lookup(name)) : Variant::Nothing();
}

// A list may hold lists, as a range's rows hold values, but no deeper.
constexpr int kMaxListNesting = 2;

Variant Decode(const Json& json, const std::string& path, const ObjectLookup& lookup, int lists);

Variant DecodeList(const Json& json, const std::string& path, const ObjectLookup& lookup,
                   int lists) {
  if (lists == kMaxListNesting)
    throw FileFormatError(path, "lists nest at most " + std::to_string(kMaxListNesting) + " deep");
  std::vector<Variant> items;
  for (std::size_t i = 0; i < json.size(); ++i)
    items.push_back(Decode(json[i], json::Child(path, i), lookup, lists + 1));
  return Variant(SafeArray(std::move(items)));
}

Json EncodeArray(const SafeArray& array) {
  Json out = Json::array();
  if (array.Dimensions() == 2) {
    for (std::int32_t i = array.LBound(1); i <= array.UBound(1); ++i) {
      Json row = Json::array();
      for (std::int32_t j = array.LBound(2); j <= array.UBound(2); ++j)
        row.push_back(EncodeScenarioValue(array.at(i, j)));
      out.push_back(std::move(row));
    }
    return out;
  }
  for (const auto& item : array.items()) out.push_back(EncodeScenarioValue(item));
  return out;
}

bool NumbersAlike(double expected, double actual) {
  const double scale = std::max({1.0, std::fabs(expected), std::fabs(actual)});
  return std::fabs(expected - actual) <= 1e-9 * scale;
}

Variant Decode(const Json& json, const std::string& path, const ObjectLookup& lookup, int lists) {
  if (json.is_array()) return DecodeList(json, path, lookup, lists);
  if (IsTagged(json, "object")) return DecodeObject(json, path, lookup);
  if (IsTagged(json, "missing")) {
    if (json.at("missing") != true)
      throw FileFormatError(json::Child(path, "missing"), "expected true");
    return Variant::Missing();
  }
  if (IsTagged(json, "int")) {
    try {
      return DecodeValue(Json{{"integer", json.at("int")}}, path);
    } catch (const FileFormatError& e) {
      throw FileFormatError(json::Child(path, "int"), e.what());
    }
  }
  return DecodeValue(json, path);
}

}  // namespace

Variant DecodeScenarioValue(const Json& json, const std::string& path, const ObjectLookup& lookup) {
  return Decode(json, path, lookup, 0);
}

Json EncodeScenarioValue(const Variant& value) {
  switch (value.type()) {
    case VarType::Missing:
      return Json{{"missing", true}};
    case VarType::Object:
      return Json{{"object", value.TypeName()}};
    case VarType::Array:
      return EncodeArray(value.AsArray());
    case VarType::Integer:
      return Json{{"int", value.AsInteger()}};
    case VarType::Double:
      if (!std::isfinite(value.AsDouble())) return std::to_string(value.AsDouble());
      return value.AsDouble();
    default:
      return EncodeValue(value);
  }
}

bool JsonMatches(const Json& expected, const Json& actual) {
  if (expected.is_number() && actual.is_number())
    return NumbersAlike(expected.get<double>(), actual.get<double>());
  if (expected.type() != actual.type()) return false;
  if (expected.is_array())
    return expected.size() == actual.size() &&
           std::equal(expected.begin(), expected.end(), actual.begin(), JsonMatches);
  if (expected.is_object()) {
    for (const auto& [key, value] : expected.items())
      if (!actual.contains(key) || !JsonMatches(value, actual.at(key))) return false;
    return true;
  }
  return expected == actual;
}

bool ValueMatches(const Json& expected, const Variant& actual, const ObjectLookup& lookup) {
  if (IsTagged(expected, "object")) {
    if (!actual.IsObject() || !lookup) return false;
    return actual.AsObject() == lookup(expected.at("object").get<std::string>());
  }
  if (expected.is_array() && actual.IsArray() && actual.AsArray().Dimensions() == 1) {
    const auto& items = actual.AsArray().items();
    return expected.size() == items.size() &&
           std::equal(expected.begin(), expected.end(), items.begin(),
                      [&](const Json& e, const Variant& a) { return ValueMatches(e, a, lookup); });
  }
  Json wanted = IsTagged(expected, "integer") ? Json{{"int", expected.at("integer")}} : expected;
  return JsonMatches(wanted, EncodeScenarioValue(actual));
}

std::int32_t DecodeErrorNumber(const Json& json, const std::string& path) {
  if (json.is_number_integer()) {
    auto n = json.get<std::int64_t>();
    if (n >= INT32_MIN && n <= static_cast<std::int64_t>(UINT32_MAX))
      return static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
  }
  if (json.is_string()) {
    const std::string text = json.get<std::string>();
    unsigned int hr = 0;
    int used = 0;
    if (text.size() == 10 && (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) &&
        std::sscanf(text.c_str() + 2, "%8x%n", &hr, &used) == 1 && used == 8)
      return static_cast<std::int32_t>(hr);
  }
  throw FileFormatError(path, "expected an error number (13) or an HRESULT text (\"0x8004F003\")");
}

std::string ShowErrorNumber(std::int32_t number) {
  if (number >= 0) return std::to_string(number);
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<std::uint32_t>(number));
  return text;
}

}  // namespace velkor::sim::scenario
