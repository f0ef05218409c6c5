// DualPacking: how the generated dual-interface thunks (DualThunks.h) hand a
// vtable call to CallMember. Arguments are packed in declaration order, each
// as a VARIANT that borrows the caller's value (a BSTR or interface pointer
// is not copied and must not be freed by the callee); a by-reference argument
// points at the caller's variable; the result points at the caller's retval,
// which is cleared first so that a failed call leaves nothing behind.
#pragma once

#include <windows.h>

#include <oleauto.h>

namespace velkor::com::packing {

inline VARIANT Empty() {
  VARIANT v;
  VariantInit(&v);
  return v;
}

inline VARIANT Typed(VARTYPE vt) {
  VARIANT v = Empty();
  v.vt = vt;
  return v;
}

inline VARIANT Bool(VARIANT_BOOL value) {
  VARIANT v = Typed(VT_BOOL);
  v.boolVal = value;
  return v;
}

inline VARIANT Long(LONG value) {
  VARIANT v = Typed(VT_I4);
  v.lVal = value;
  return v;
}

inline VARIANT Bstr(BSTR value) {
  VARIANT v = Typed(VT_BSTR);
  v.bstrVal = value;
  return v;
}

inline VARIANT Dispatch(IDispatch* value) {
  VARIANT v = Typed(VT_DISPATCH);
  v.pdispVal = value;
  return v;
}

inline VARIANT Unknown(IUnknown* value) {
  VARIANT v = Typed(VT_UNKNOWN);
  v.punkVal = value;
  return v;
}

// A Variant argument is passed as the caller's VARIANT itself.
inline VARIANT Borrowed(const VARIANT& value) {
  return value;
}

// An omitted optional argument.
inline VARIANT Missing() {
  VARIANT v = Typed(VT_ERROR);
  v.scode = DISP_E_PARAMNOTFOUND;
  return v;
}

// `vt` | VT_BYREF pointing at `target`.
inline VARIANT Ref(VARTYPE vt, void* target) {
  VARIANT v = Typed(static_cast<VARTYPE>(VT_BYREF | vt));
  v.byref = target;
  return v;
}

// An optional by-reference argument whose caller passed no variable arrives
// as omitted.
inline VARIANT OptionalRef(VARTYPE vt, void* target) {
  return target ? Ref(vt, target) : Missing();
}

// The retval, cleared, as `vt` | VT_BYREF.
template <class T>
VARIANT Out(VARTYPE vt, T* retval) {
  *retval = T{};
  return Ref(vt, retval);
}

inline VARIANT Out(VARTYPE, VARIANT* retval) {
  VariantInit(retval);
  return Ref(VT_VARIANT, retval);
}

}  // namespace velkor::com::packing
