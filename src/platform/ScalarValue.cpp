#include "platform/ScalarValue.h"

#include "platform/ErrorNumbers.h"
#include "platform/Object.h"

namespace velkor {

namespace {

Variant DefaultValue(const ObjectPtr& object) {
  Variant value = Deref(object).Invoke("", InvokeKind::PropertyGet, {});
  if (value.IsObject()) Raise(err::kTypeMismatch);
  return value;
}

}  // namespace

const Variant& ScalarValue(const Variant& v, Variant& holder) {
  switch (v.type()) {
    case VarType::Object:
      holder = DefaultValue(v.AsObject());
      return ScalarValue(holder, holder);
    case VarType::Missing:
    case VarType::Error:
    case VarType::Array:
      Raise(err::kTypeMismatch);
    default:
      return v;
  }
}

double NumericValue(const Variant& v) {
  switch (v.type()) {
    case VarType::Boolean:
      return v.AsBool() ? -1.0 : 0.0;
    case VarType::Integer:
      return v.AsInteger();
    case VarType::Long:
      return v.AsLong();
    case VarType::Double:
      return v.AsDouble();
    case VarType::Date:
      return v.AsDate().serial;
    default:
      Raise(err::kTypeMismatch);
  }
}

}  // namespace velkor
