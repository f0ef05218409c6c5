#include "standins/host/JsonFields.h"

#include <cmath>
#include <limits>

#include "standins/host/FileFormatError.h"

namespace velkor::sim::json {

std::string Child(const std::string& path, std::string_view key) {
  std::string out = path + "/";
  for (char c : key) {
    if (c == '~')
      out += "~0";
    else if (c == '/')
      out += "~1";
    else
      out += c;
  }
  return out;
}

std::string Child(const std::string& path, std::size_t index) {
  return path + "/" + std::to_string(index);
}

const Json& Object(const Json& j, const std::string& path) {
  if (!j.is_object()) throw FileFormatError(path, "expected an object");
  return j;
}

const Json& Array(const Json& j, const std::string& path) {
  if (!j.is_array()) throw FileFormatError(path, "expected an array");
  return j;
}

std::string String(const Json& j, const std::string& path) {
  if (!j.is_string()) throw FileFormatError(path, "expected a text");
  return j.get<std::string>();
}

double Number(const Json& j, const std::string& path, double min, double max) {
  if (!j.is_number()) throw FileFormatError(path, "expected a number");
  double v = j.get<double>();
  if (!std::isfinite(v) || v < min)
    throw FileFormatError(path, "number out of range (at least " + std::to_string(min) + ")");
  if (v > max)
    throw FileFormatError(path, "number out of range (at most " + std::to_string(max) + ")");
  return v;
}

std::int32_t Long(const Json& j, const std::string& path, std::int32_t min) {
  const double v = Number(j, path, min);
  if (v > std::numeric_limits<std::int32_t>::max() || v != std::floor(v))
    throw FileFormatError(path, "expected a whole number up to " +
                                    std::to_string(std::numeric_limits<std::int32_t>::max()));
  return static_cast<std::int32_t>(v);
}

bool Boolean(const Json& j, const std::string& path) {
  if (!j.is_boolean()) throw FileFormatError(path, "expected true or false");
  return j.get<bool>();
}

const Json& Required(const Json& object, const std::string& path, std::string_view key) {
  auto it = object.find(key);
  if (it == object.end()) throw FileFormatError(Child(path, key), "missing");
  return *it;
}

const Json* Optional(const Json& object, std::string_view key) {
  auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

}  // namespace velkor::sim::json
