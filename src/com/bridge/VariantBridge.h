// The project's Variant to and from the platform's VARIANT.
//
// Subtypes map one to one where both sides have them: Empty, Null, Boolean,
// Integer (VT_I2), Long (VT_I4), Double (VT_R8), Date, String (BSTR),
// objects (VT_DISPATCH; Nothing is a null VT_DISPATCH), cell error values
// (VT_ERROR 0x800A0000 + code, the way the host passes #VALUE! as 2015),
// Missing (VT_ERROR DISP_E_PARAMNOTFOUND) and arrays of one or two
// dimensions (SAFEARRAY of VARIANT with the same bounds).
//
// The project has no Byte, Single, Currency, Decimal or 64-bit subtype: a
// VARIANT holding one arrives as Integer or Long where the value fits such
// that nothing is lost, and as Double otherwise. Arrays of any element type
// arrive element by element under the same rules.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include "platform/Variant.h"

namespace velkor::com {

// Fills `out`, which must be empty (VariantInit); the caller owns the result.
// Objects go out through the exposer registered for their TypeName
// (ObjectDispatch.h); an object that wraps an outside IDispatch goes out as
// that IDispatch.
void ToComVariant(const Variant& value, VARIANT& out);

// Reads `in`, following VT_BYREF. A VT_DISPATCH that is one of the project's
// own objects gives back the original object; any other interface is wrapped
// (DispatchObject.h). Raises Variable uses an Automation type not supported
// (458) for a type without a counterpart and Type mismatch (13) for an array
// of more than two dimensions.
Variant FromComVariant(const VARIANT& in);

// Stores `value` through a by-reference argument, converted to the type the
// reference points at as an assignment to a variable of that type converts
// (CStr for a BSTR, CInt for a VT_I2, ...); a VT_BYREF | VT_VARIANT takes the
// value as it is. The old value is released once the new one is converted; a
// conversion that fails raises and leaves the caller's variable unchanged.
// A by-value VARIANT is left alone.
void WriteBack(const Variant& value, VARIANT& byRef);

// Like WriteBack, for an out-parameter whose target holds no value yet (a
// return value slot): nothing old is released.
void StoreResult(const Variant& value, VARIANT& byRef);

// A VARIANT cleared at the end of its scope.
class ComVariant {
 public:
  ComVariant() { VariantInit(&v_); }
  explicit ComVariant(const Variant& value) : ComVariant() { ToComVariant(value, v_); }
  ComVariant(const ComVariant&) = delete;
  ComVariant& operator=(const ComVariant&) = delete;
  ~ComVariant() { VariantClear(&v_); }

  VARIANT* get() { return &v_; }
  const VARIANT& operator*() const { return v_; }
  VARIANT* operator->() { return &v_; }
  // Clears what is held and returns the slot for an out-parameter.
  VARIANT* Out() {
    VariantClear(&v_);
    return &v_;
  }
  Variant value() const { return FromComVariant(v_); }

 private:
  VARIANT v_;
};

}  // namespace velkor::com
