// Variant: the automation runtime's universal value.
//
// Every value that crosses the control's public interface, the host's object
// model or a component is a Variant. The subtypes and conversion rules follow
// the automation runtime the control was designed for (see Conversions.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <variant>
#include <vector>

namespace velkor {

class Object;
using ObjectPtr = std::shared_ptr<Object>;
class SafeArray;

enum class VarType : std::uint8_t {
  Empty,
  Null,
  Missing,  // an omitted optional argument
  Boolean,
  Integer,  // 16-bit signed
  Long,     // 32-bit signed
  Double,
  Date,  // OLE Automation date
  String,
  Object,  // an automation object, or Nothing
  Error,   // an error value such as the host's 2015 (#VALUE!)
  Array,
};

// OLE Automation date: days since 1899-12-30 as a double, naive local time.
// The fraction is the time of day, also for negative serials (-1.25 is
// 1899-12-29 06:00).
struct DateValue {
  double serial = 0.0;
  friend bool operator==(DateValue, DateValue) = default;
};

// A cell error value (CVErr); 2015 is #VALUE!.
struct ErrorValue {
  std::int32_t code = 0;
  friend bool operator==(ErrorValue, ErrorValue) = default;
};

class Variant {
 public:
  Variant() = default;            // Empty
  Variant(const Variant& other);  // arrays are copied, objects shared
  Variant& operator=(const Variant& other);
  Variant(Variant&&) noexcept = default;
  Variant& operator=(Variant&&) noexcept = default;
  ~Variant() = default;
  Variant(bool v) : value_(v) {}
  Variant(std::int16_t v) : value_(v) {}
  Variant(std::int32_t v) : value_(v) {}
  Variant(double v) : value_(v) {}
  Variant(DateValue v) : value_(v) {}
  Variant(ErrorValue v) : value_(v) {}
  Variant(std::string v) : value_(std::move(v)) {}
  Variant(std::string_view v) : value_(std::string(v)) {}
  Variant(const char* v) : value_(std::string(v)) {}
  Variant(ObjectPtr v) : value_(std::move(v)) {}
  template <class T, class = std::enable_if_t<std::is_base_of_v<Object, T>>>
  Variant(std::shared_ptr<T> v) : value_(ObjectPtr(std::move(v))) {}
  Variant(SafeArray array);
  // Other integer types would be ambiguous; convert explicitly.
  template <class T, class = std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> &&
                                              !std::is_same_v<T, std::int16_t> &&
                                              !std::is_same_v<T, std::int32_t>>>
  Variant(T) = delete;

  static Variant Null();
  static Variant Missing();
  static Variant Nothing() { return Variant(ObjectPtr()); }

  VarType type() const;
  bool IsEmpty() const { return type() == VarType::Empty; }
  bool IsNull() const { return type() == VarType::Null; }
  bool IsMissing() const { return type() == VarType::Missing; }
  bool IsObject() const { return type() == VarType::Object; }
  bool IsNothing() const;  // an Object subtype holding no object
  bool IsArray() const { return type() == VarType::Array; }
  bool IsError() const { return type() == VarType::Error; }
  bool IsString() const { return type() == VarType::String; }
  bool IsNumeric() const;  // Boolean, Integer, Long, Double or Date

  // Direct access to the stored value; the caller must know the subtype.
  bool AsBool() const { return std::get<bool>(value_); }
  std::int16_t AsInteger() const { return std::get<std::int16_t>(value_); }
  std::int32_t AsLong() const { return std::get<std::int32_t>(value_); }
  double AsDouble() const { return std::get<double>(value_); }
  DateValue AsDate() const { return std::get<DateValue>(value_); }
  ErrorValue AsError() const { return std::get<ErrorValue>(value_); }
  const std::string& AsString() const { return std::get<std::string>(value_); }
  const ObjectPtr& AsObject() const { return std::get<ObjectPtr>(value_); }
  const SafeArray& AsArray() const;
  SafeArray& AsArray();

  // The object of an Object subtype cast to an interface; nullptr for Nothing
  // and for an object that does not implement T. Raises Type mismatch (13)
  // for a Variant that is not an object.
  template <class T>
  std::shared_ptr<T> ObjectAs() const;
  ObjectPtr ObjectOrRaise() const;

  // The runtime's TypeName(): "Empty", "Null", "Boolean", "Integer", "Long",
  // "Double", "Date", "String", "Nothing", the object's own name, "Error",
  // "Variant()".
  std::string TypeName() const;

 private:
  struct NullTag {
    friend bool operator==(NullTag, NullTag) = default;
  };
  struct MissingTag {
    friend bool operator==(MissingTag, MissingTag) = default;
  };
  using Storage =
      std::variant<std::monostate, NullTag, MissingTag, bool, std::int16_t, std::int32_t, double,
                   DateValue, std::string, ObjectPtr, ErrorValue, std::shared_ptr<SafeArray>>;
  // type() reads the subtype off the storage index.
  template <VarType T>
  using Alternative = std::variant_alternative_t<static_cast<std::size_t>(T), Storage>;
  static_assert(std::variant_size_v<Storage> == static_cast<std::size_t>(VarType::Array) + 1);
  static_assert(std::is_same_v<Alternative<VarType::Boolean>, bool> &&
                std::is_same_v<Alternative<VarType::Date>, DateValue> &&
                std::is_same_v<Alternative<VarType::Object>, ObjectPtr> &&
                std::is_same_v<Alternative<VarType::Array>, std::shared_ptr<SafeArray>>);
  Storage value_;
};

// A one- or two-dimensional array with its own lower bounds, as the host
// passes a range's values (1-based rows and columns).
class SafeArray {
 public:
  struct Bound {
    std::int32_t lower = 0;
    std::int32_t count = 0;
    std::int32_t upper() const { return lower + count - 1; }
  };

  SafeArray() = default;
  explicit SafeArray(std::vector<Variant> items, std::int32_t lower = 0);  // one dimension
  SafeArray(Bound rows, Bound columns);                                    // two dimensions

  int Dimensions() const { return static_cast<int>(bounds_.size()); }
  // Bounds of dimension 1 or 2 (1-based like LBound/UBound); error 9 otherwise.
  Bound Bounds(int dimension) const;
  std::int32_t LBound(int dimension = 1) const { return Bounds(dimension).lower; }
  std::int32_t UBound(int dimension = 1) const { return Bounds(dimension).upper(); }
  std::size_t size() const { return items_.size(); }

  // Element access by index; Subscript out of range (9) for a bad index or
  // the wrong number of indices.
  const Variant& at(std::int32_t i) const;
  Variant& at(std::int32_t i);
  const Variant& at(std::int32_t i, std::int32_t j) const;
  Variant& at(std::int32_t i, std::int32_t j);

  // Elements in storage order: row by row for two dimensions.
  const std::vector<Variant>& items() const { return items_; }

 private:
  std::size_t Offset(std::int32_t i) const;
  std::size_t Offset(std::int32_t i, std::int32_t j) const;

  std::vector<Bound> bounds_;
  std::vector<Variant> items_;
};

}  // namespace velkor
