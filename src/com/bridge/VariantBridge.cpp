#include "com/bridge/VariantBridge.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "com/bridge/Bstr.h"
#include "com/bridge/DispatchObject.h"
#include "com/bridge/ObjectDispatch.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/ForeignObject.h"
#include "platform/Object.h"
#include "platform/VbError.h"

namespace velkor::com {

namespace {

constexpr std::int32_t kUnsupportedType = 458;
// A cell error value travels as the runtime's HRESULT of its number, the
// way the host passes #VALUE! (2015) as 0x800A07DF; VbError knows the rule.
SCODE ScodeOfError(std::int32_t code) {
  return VbError(code).hresult();
}

std::int32_t ErrorOfScode(SCODE scode) {
  return VbError::FromHResult(scode).number();
}

// A whole number as Long when it fits, else as Double.
template <class T>
Variant WholeNumber(T n) {
  if (std::in_range<std::int32_t>(n)) return Variant(static_cast<std::int32_t>(n));
  return Variant(static_cast<double>(n));
}

// ------------------------------------------------------------------ reading

Variant ReadArray(SAFEARRAY* array, VARTYPE vt);

Variant ReadObject(IUnknown* unknown) {
  return Variant(DispatchObject::Wrap(unknown));
}

// The value of type `vt` stored at `p`.
Variant ReadValue(VARTYPE vt, const void* p) {
  if (vt & VT_ARRAY)
    return ReadArray(*static_cast<SAFEARRAY* const*>(p), static_cast<VARTYPE>(vt & ~VT_ARRAY));
  switch (vt) {
    case VT_EMPTY:
      return {};
    case VT_NULL:
      return Variant::Null();
    case VT_BOOL:
      return Variant(*static_cast<const VARIANT_BOOL*>(p) != VARIANT_FALSE);
    case VT_I1:
      return Variant(static_cast<std::int16_t>(*static_cast<const CHAR*>(p)));
    case VT_UI1:
      return Variant(static_cast<std::int16_t>(*static_cast<const BYTE*>(p)));
    case VT_I2:
      return Variant(static_cast<std::int16_t>(*static_cast<const SHORT*>(p)));
    case VT_UI2:
      return Variant(static_cast<std::int32_t>(*static_cast<const USHORT*>(p)));
    case VT_I4:
    case VT_INT:
      return Variant(static_cast<std::int32_t>(*static_cast<const LONG*>(p)));
    case VT_UI4:
    case VT_UINT:
      return WholeNumber(*static_cast<const ULONG*>(p));
    case VT_I8:
      return WholeNumber(*static_cast<const LONGLONG*>(p));
    case VT_UI8:
      return WholeNumber(*static_cast<const ULONGLONG*>(p));
    case VT_R4:
      return Variant(static_cast<double>(*static_cast<const FLOAT*>(p)));
    case VT_R8:
      return Variant(*static_cast<const DOUBLE*>(p));
    case VT_CY:
      return Variant(static_cast<double>(static_cast<const CY*>(p)->int64) / 10000.0);
    case VT_DECIMAL: {
      double d = 0;
      if (FAILED(VarR8FromDec(const_cast<DECIMAL*>(static_cast<const DECIMAL*>(p)), &d)))
        Raise(err::kOverflow);
      return Variant(d);
    }
    case VT_DATE:
      return Variant(DateValue{*static_cast<const DATE*>(p)});
    case VT_BSTR:
      return Variant(FromBstr(*static_cast<const BSTR*>(p)));
    case VT_ERROR: {
      const SCODE scode = *static_cast<const SCODE*>(p);
      if (scode == DISP_E_PARAMNOTFOUND) return Variant::Missing();
      return Variant(ErrorValue{ErrorOfScode(scode)});
    }
    case VT_DISPATCH:
      return ReadObject(*static_cast<IDispatch* const*>(p));
    case VT_UNKNOWN:
      return ReadObject(*static_cast<IUnknown* const*>(p));
    case VT_VARIANT:
      return FromComVariant(*static_cast<const VARIANT*>(p));
    default:
      Raise(kUnsupportedType);
  }
}

// Holds a SAFEARRAY's lock for the length of a scope.
class ArrayLock {
 public:
  explicit ArrayLock(SAFEARRAY* array) : array_(array) {
    if (FAILED(SafeArrayLock(array_))) Raise(err::kTypeMismatch);
  }
  ArrayLock(const ArrayLock&) = delete;
  ArrayLock& operator=(const ArrayLock&) = delete;
  ~ArrayLock() { SafeArrayUnlock(array_); }

 private:
  SAFEARRAY* array_;
};

SafeArray::Bound BoundOf(SAFEARRAY* array, UINT dimension) {
  LONG lower = 0;
  LONG upper = -1;
  SafeArrayGetLBound(array, dimension, &lower);
  SafeArrayGetUBound(array, dimension, &upper);
  return {static_cast<std::int32_t>(lower), static_cast<std::int32_t>(upper - lower + 1)};
}

Variant ReadElement(SAFEARRAY* array, VARTYPE vt, LONG* indices) {
  void* cell = nullptr;
  if (FAILED(SafeArrayPtrOfIndex(array, indices, &cell))) Raise(err::kSubscriptOutOfRange);
  return ReadValue(vt, cell);
}

// The elements are of type `vt`, as the VARIANT holding the array says.
Variant ReadArray(SAFEARRAY* array, VARTYPE vt) {
  if (!array) return Variant(SafeArray());
  const UINT dimensions = SafeArrayGetDim(array);
  if (dimensions < 1 || dimensions > 2) Raise(err::kTypeMismatch);
  // Elements of another size than the type's would be read wrongly.
  VARTYPE stored = VT_EMPTY;
  if (SUCCEEDED(SafeArrayGetVartype(array, &stored)) && stored != vt) Raise(err::kTypeMismatch);
  ArrayLock lock(array);
  const SafeArray::Bound rows = BoundOf(array, 1);
  if (dimensions == 1) {
    std::vector<Variant> items;
    items.reserve(static_cast<std::size_t>(rows.count));
    for (LONG i = rows.lower; i <= rows.upper(); ++i) items.push_back(ReadElement(array, vt, &i));
    return Variant(SafeArray(std::move(items), rows.lower));
  }
  const SafeArray::Bound columns = BoundOf(array, 2);
  SafeArray out(rows, columns);
  for (LONG i = rows.lower; i <= rows.upper(); ++i) {
    for (LONG j = columns.lower; j <= columns.upper(); ++j) {
      LONG indices[2] = {i, j};
      out.at(i, j) = ReadElement(array, vt, indices);
    }
  }
  return Variant(std::move(out));
}

// ------------------------------------------------------------------ writing

// Destroys a SAFEARRAY being built unless released to the caller.
struct ArrayGuard {
  SAFEARRAY* array;
  ~ArrayGuard() {
    if (array) SafeArrayDestroy(array);
  }
  SAFEARRAY* Release() { return std::exchange(array, nullptr); }
};

void Store(const Variant& value, VARTYPE vt, void* p, bool releaseOld);

// A new SAFEARRAY of `vt` elements with the bounds of `from`, each element
// converted as a variable of that type takes it.
SAFEARRAY* ToSafeArray(const SafeArray& from, VARTYPE vt) {
  std::vector<SAFEARRAYBOUND> bounds;
  for (int d = 1; d <= from.Dimensions(); ++d) {
    const SafeArray::Bound b = from.Bounds(d);
    bounds.push_back({static_cast<ULONG>(b.count), static_cast<LONG>(b.lower)});
  }
  if (bounds.empty()) bounds.push_back({0, 0});  // an array never dimensioned
  ArrayGuard guard{SafeArrayCreate(vt, static_cast<UINT>(bounds.size()), bounds.data())};
  if (!guard.array) Raise(err::kTypeMismatch);  // no array of that type
  auto put = [&](LONG* indices, const Variant& item) {
    void* cell = nullptr;
    if (FAILED(SafeArrayPtrOfIndex(guard.array, indices, &cell))) Raise(err::kOutOfMemory);
    Store(item, vt, cell, false);  // a new array's cells hold nothing yet
  };
  if (from.Dimensions() == 1) {
    for (LONG i = from.LBound(1); i <= from.UBound(1); ++i) put(&i, from.at(i));
  } else if (from.Dimensions() == 2) {
    for (LONG i = from.LBound(1); i <= from.UBound(1); ++i) {
      for (LONG j = from.LBound(2); j <= from.UBound(2); ++j) {
        LONG indices[2] = {i, j};
        put(indices, from.at(i, j));
      }
    }
  }
  return guard.Release();
}

// The interface that carries `object` out: its own outside interface when
// it wraps one, else an exposer's IDispatch. A new reference; null for Nothing.
IUnknown* ObjectOut(const ObjectPtr& given, bool& isDispatch) {
  isDispatch = true;
  // An adapter goes out as the outside object it gives an interface to.
  const ObjectPtr object = Underlying(given);
  if (!object) return nullptr;
  if (auto* outside = dynamic_cast<DispatchObject*>(object.get());
      outside && !outside->dispatch()) {
    isDispatch = false;
    outside->unknown()->AddRef();
    return outside->unknown();
  }
  return Expose(object);
}

void StoreThrough(const Variant& value, VARIANT& byRef, bool releaseOld);

template <class T>
T Ranged(double d, double low, double high) {
  if (!(d >= low && d <= high)) Raise(err::kOverflow);
  return static_cast<T>(d);
}

double Rounded(const Variant& value) {
  return std::nearbyint(CDbl(value));  // the runtime rounds half to even
}

// Stores `value` at `p`, a variable of type `vt`, releasing what it held
// when `releaseOld`.
void Store(const Variant& value, VARTYPE vt, void* p, bool releaseOld) {
  if (vt & VT_ARRAY) {
    if (!value.IsArray()) Raise(err::kTypeMismatch);
    SAFEARRAY* array = ToSafeArray(value.AsArray(), static_cast<VARTYPE>(vt & ~VT_ARRAY));
    auto* slot = static_cast<SAFEARRAY**>(p);
    if (releaseOld && *slot) SafeArrayDestroy(*slot);
    *slot = array;
    return;
  }
  switch (vt) {
    case VT_VARIANT: {
      auto* target = static_cast<VARIANT*>(p);
      if (V_VT(target) & VT_BYREF) {  // a reference to a reference: store at its end
        StoreThrough(value, *target, releaseOld);
        return;
      }
      VARIANT fresh;
      VariantInit(&fresh);
      ToComVariant(value, fresh);
      auto* slot = static_cast<VARIANT*>(p);
      if (releaseOld) VariantClear(slot);
      *slot = fresh;
      return;
    }
    case VT_BSTR: {
      BSTR text = ToBstr(CStr(value));
      auto* slot = static_cast<BSTR*>(p);
      if (releaseOld) SysFreeString(*slot);
      *slot = text;
      return;
    }
    case VT_BOOL:
      *static_cast<VARIANT_BOOL*>(p) = CBool(value) ? VARIANT_TRUE : VARIANT_FALSE;
      return;
    case VT_I2:
      *static_cast<SHORT*>(p) = CInt(value);
      return;
    case VT_I4:
    case VT_INT:
      *static_cast<LONG*>(p) = CLng(value);
      return;
    case VT_R8:
      *static_cast<DOUBLE*>(p) = CDbl(value);
      return;
    case VT_DATE:
      *static_cast<DATE*>(p) = CDate(value).serial;
      return;
    case VT_I1:
      *static_cast<CHAR*>(p) = Ranged<CHAR>(CInt(value), -128, 127);
      return;
    case VT_UI1:
      *static_cast<BYTE*>(p) = Ranged<BYTE>(CInt(value), 0, 255);
      return;
    case VT_UI2:
      *static_cast<USHORT*>(p) = Ranged<USHORT>(CLng(value), 0, 65535);
      return;
    case VT_UI4:
    case VT_UINT:
      *static_cast<ULONG*>(p) = Ranged<ULONG>(Rounded(value), 0, 4294967295.0);
      return;
    case VT_I8:
      *static_cast<LONGLONG*>(p) = Ranged<LONGLONG>(Rounded(value), -9.2e18, 9.2e18);
      return;
    case VT_UI8:
      *static_cast<ULONGLONG*>(p) = Ranged<ULONGLONG>(Rounded(value), 0, 1.8e19);
      return;
    case VT_R4:
      *static_cast<FLOAT*>(p) = Ranged<FLOAT>(CDbl(value), -FLT_MAX, FLT_MAX);
      return;
    case VT_CY:
      static_cast<CY*>(p)->int64 =
          Ranged<LONGLONG>(std::nearbyint(CDbl(value) * 10000.0), -9.2e18, 9.2e18);
      return;
    case VT_DECIMAL:
      if (FAILED(VarDecFromR8(CDbl(value), static_cast<DECIMAL*>(p)))) Raise(err::kOverflow);
      return;
    case VT_ERROR:
      if (value.IsMissing()) {
        *static_cast<SCODE*>(p) = DISP_E_PARAMNOTFOUND;
      } else if (value.IsError()) {
        *static_cast<SCODE*>(p) = ScodeOfError(value.AsError().code);
      } else {
        Raise(err::kTypeMismatch);
      }
      return;
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      if (!value.IsObject()) Raise(err::kTypeMismatch);
      bool isDispatch = true;
      IUnknown* object = ObjectOut(value.AsObject(), isDispatch);
      if (object && vt == VT_DISPATCH && !isDispatch) {
        object->Release();
        Raise(err::kTypeMismatch);
      }
      auto* slot = static_cast<IUnknown**>(p);
      if (releaseOld && *slot) (*slot)->Release();
      *slot = object;
      return;
    }
    default:
      Raise(kUnsupportedType);
  }
}

void StoreThrough(const Variant& value, VARIANT& byRef, bool releaseOld) {
  if (!(V_VT(&byRef) & VT_BYREF)) return;
  Store(value, static_cast<VARTYPE>(V_VT(&byRef) & ~VT_BYREF), V_BYREF(&byRef), releaseOld);
}

}  // namespace

void ToComVariant(const Variant& value, VARIANT& out) {
  switch (value.type()) {
    case VarType::Empty:
      V_VT(&out) = VT_EMPTY;
      return;
    case VarType::Null:
      V_VT(&out) = VT_NULL;
      return;
    case VarType::Missing:
      V_VT(&out) = VT_ERROR;
      V_ERROR(&out) = DISP_E_PARAMNOTFOUND;
      return;
    case VarType::Boolean:
      V_VT(&out) = VT_BOOL;
      V_BOOL(&out) = value.AsBool() ? VARIANT_TRUE : VARIANT_FALSE;
      return;
    case VarType::Integer:
      V_VT(&out) = VT_I2;
      V_I2(&out) = value.AsInteger();
      return;
    case VarType::Long:
      V_VT(&out) = VT_I4;
      V_I4(&out) = value.AsLong();
      return;
    case VarType::Double:
      V_VT(&out) = VT_R8;
      V_R8(&out) = value.AsDouble();
      return;
    case VarType::Date:
      V_VT(&out) = VT_DATE;
      V_DATE(&out) = value.AsDate().serial;
      return;
    case VarType::String:
      V_BSTR(&out) = ToBstr(value.AsString());
      V_VT(&out) = VT_BSTR;
      return;
    case VarType::Error:
      V_VT(&out) = VT_ERROR;
      V_ERROR(&out) = ScodeOfError(value.AsError().code);
      return;
    case VarType::Object: {
      bool isDispatch = true;
      IUnknown* object = ObjectOut(value.AsObject(), isDispatch);
      V_UNKNOWN(&out) = object;
      V_VT(&out) = isDispatch ? VT_DISPATCH : VT_UNKNOWN;
      return;
    }
    case VarType::Array:
      V_ARRAY(&out) = ToSafeArray(value.AsArray(), VT_VARIANT);
      V_VT(&out) = VT_ARRAY | VT_VARIANT;
      return;
  }
}

Variant FromComVariant(const VARIANT& in) {
  const auto vt = static_cast<VARTYPE>(V_VT(&in) & ~VT_BYREF);
  if (V_VT(&in) & VT_BYREF) {
    if (!V_BYREF(&in)) Raise(err::kObjectNotSet);
    return ReadValue(vt, V_BYREF(&in));
  }
  if (vt == VT_VARIANT) Raise(kUnsupportedType);  // only by reference
  if (vt == VT_DECIMAL) return ReadValue(vt, &V_DECIMAL(&in));
  return ReadValue(vt, &V_NONE(&in));
}

void WriteBack(const Variant& value, VARIANT& byRef) {
  StoreThrough(value, byRef, true);
}

void StoreResult(const Variant& value, VARIANT& byRef) {
  StoreThrough(value, byRef, false);
}

}  // namespace velkor::com
