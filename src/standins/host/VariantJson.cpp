#include "standins/host/VariantJson.h"

#include <cmath>
#include <limits>

#include "parts/time/IsoDate.h"
#include "platform/ErrorNumbers.h"
#include "standins/host/FileFormatError.h"

namespace velkor::sim {

namespace {

Json Tagged(const char* tag, Json value) {
  Json out = Json::object();
  out[tag] = std::move(value);
  return out;
}

std::int64_t WholeNumber(const Json& j, const std::string& path, std::int64_t lo, std::int64_t hi) {
  if (!j.is_number_integer()) throw FileFormatError(path, "expected a whole number");
  auto v = j.get<std::int64_t>();
  if (j.is_number_unsigned() && j.get<std::uint64_t>() > static_cast<std::uint64_t>(hi))
    throw FileFormatError(path, "number out of range");
  if (v < lo || v > hi) throw FileFormatError(path, "number out of range");
  return v;
}

Variant DecodeTagged(const Json& j, const std::string& path) {
  if (j.size() != 1) throw FileFormatError(path, "a typed value has exactly one key");
  const auto first = j.begin();
  const std::string tag = first.key();
  const Json& value = first.value();
  const std::string at = path + "/" + tag;
  if (tag == "long") return static_cast<std::int32_t>(WholeNumber(value, at, INT32_MIN, INT32_MAX));
  if (tag == "integer")
    return static_cast<std::int16_t>(WholeNumber(value, at, INT16_MIN, INT16_MAX));
  if (tag == "error")
    return ErrorValue{static_cast<std::int32_t>(WholeNumber(value, at, INT32_MIN, INT32_MAX))};
  if (tag == "date") {
    auto date = value.is_string() ? ParseIsoDate(value.get<std::string>()) : std::nullopt;
    if (!date) throw FileFormatError(at, "expected a date as \"YYYY-MM-DDTHH:MM:SS\"");
    return *date;
  }
  if (tag == "null") {
    if (value != true) throw FileFormatError(at, "expected true");
    return Variant::Null();
  }
  throw FileFormatError(path, "unknown value type \"" + tag + "\"");
}

}  // namespace

Json EncodeValue(const Variant& value) {
  switch (value.type()) {
    case VarType::Empty:
      return nullptr;
    case VarType::Null:
      return Tagged("null", true);
    case VarType::Boolean:
      return value.AsBool();
    case VarType::Integer:
      return Tagged("integer", value.AsInteger());
    case VarType::Long:
      return Tagged("long", value.AsLong());
    case VarType::Double:
      if (!std::isfinite(value.AsDouble())) Raise(err::kOverflow);
      return value.AsDouble();
    case VarType::Date:
      return Tagged("date", FormatIsoDate(value.AsDate()));
    case VarType::String:
      return value.AsString();
    case VarType::Error:
      return Tagged("error", value.AsError().code);
    default:
      Raise(err::kTypeMismatch);
  }
}

Variant DecodeValue(const Json& json, const std::string& path) {
  if (json.is_null()) return {};
  if (json.is_boolean()) return json.get<bool>();
  if (json.is_number()) return json.get<double>();
  if (json.is_string()) return json.get<std::string>();
  if (json.is_object()) return DecodeTagged(json, path);
  throw FileFormatError(path, "expected a value (text, number, true/false, null or a typed value)");
}

}  // namespace velkor::sim
