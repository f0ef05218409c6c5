#include "platform/Variant.h"

#include "platform/ErrorNumbers.h"
#include "platform/Object.h"

namespace velkor {

namespace {

// Arrays are values in the runtime: a copied Variant gets its own elements.
template <class Storage>
Storage CopyStorage(const Storage& from) {
  if (const auto* array = std::get_if<std::shared_ptr<SafeArray>>(&from)) {
    return std::make_shared<SafeArray>(**array);
  }
  return from;
}

}  // namespace

Variant::Variant(const Variant& other) : value_(CopyStorage(other.value_)) {}

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) value_ = CopyStorage(other.value_);
  return *this;
}

Variant::Variant(SafeArray array) : value_(std::make_shared<SafeArray>(std::move(array))) {}

Variant Variant::Null() {
  Variant v;
  v.value_ = NullTag{};
  return v;
}

Variant Variant::Missing() {
  Variant v;
  v.value_ = MissingTag{};
  return v;
}

VarType Variant::type() const {
  // The storage alternatives are declared in VarType order.
  return static_cast<VarType>(value_.index());
}

bool Variant::IsNothing() const {
  return IsObject() && !AsObject();
}

bool Variant::IsNumeric() const {
  switch (type()) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
    case VarType::Date:
      return true;
    default:
      return false;
  }
}

const SafeArray& Variant::AsArray() const {
  return *std::get<std::shared_ptr<SafeArray>>(value_);
}

SafeArray& Variant::AsArray() {
  return *std::get<std::shared_ptr<SafeArray>>(value_);
}

ObjectPtr Variant::ObjectOrRaise() const {
  if (!IsObject()) Raise(err::kTypeMismatch);
  return AsObject();
}

std::string Variant::TypeName() const {
  switch (type()) {
    case VarType::Empty:
      return "Empty";
    case VarType::Null:
      return "Null";
    case VarType::Boolean:
      return "Boolean";
    case VarType::Integer:
      return "Integer";
    case VarType::Long:
      return "Long";
    case VarType::Double:
      return "Double";
    case VarType::Date:
      return "Date";
    case VarType::String:
      return "String";
    case VarType::Object:
      return AsObject() ? AsObject()->TypeName() : "Nothing";
    case VarType::Missing:  // an omitted argument is an error value to the runtime
    case VarType::Error:
      return "Error";
    case VarType::Array:
      return "Variant()";
  }
  return "Unknown";
}

}  // namespace velkor
