// Raised errors to and from COM failure reports.
//
// Out: a VbError becomes a failing HRESULT (0x800A0000 + n for a runtime
// error n, a component's own code such as 0x8004F003 as it is), an EXCEPINFO
// for IDispatch::Invoke callers and the thread's IErrorInfo for vtable
// callers, each with the error's source and description.
// In: a failing HRESULT with its EXCEPINFO, or else with the thread's
// IErrorInfo, raises the VbError with the same number, source and text.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <utility>

#include "platform/VbError.h"

namespace velkor::com {

// The failing HRESULT that reports `error`. A number that would read as
// success (0, or a positive one above 0xFFFF) is reported as E_FAIL, so that
// a failure is never taken for success.
::HRESULT HresultOf(const VbError& error);

// Fills `info` (which may hold nothing yet) with the error; returns
// DISP_E_EXCEPTION.
::HRESULT FillExcepInfo(const VbError& error, EXCEPINFO& info);

// Sets the thread's error object from `error` (interface `iid`); returns
// HresultOf(error).
::HRESULT SetComErrorInfo(const VbError& error, REFIID iid = IID_NULL);

// The error an outside call reported: from `info` when given and filled,
// else from the thread's IErrorInfo, else the HRESULT alone. The caller
// keeps ownership of the strings in `info`.
VbError ErrorFromHresult(::HRESULT hr, const EXCEPINFO* info = nullptr);
[[noreturn]] void RaiseFromHresult(::HRESULT hr, const EXCEPINFO* info = nullptr);

// Raises when `hr` failed; for a vtable call without EXCEPINFO.
inline void Check(::HRESULT hr) {
  if (FAILED(hr)) RaiseFromHresult(hr);
}

// Runs `body` for an IDispatch::Invoke caller: S_OK, or a raised error as
// DISP_E_EXCEPTION with `info` filled. Without `info` the error's own HRESULT
// is returned and the thread's IErrorInfo carries the text.
template <class F>
::HRESULT Guarded(EXCEPINFO* info, F&& body);

// Runs `body` for a vtable caller: S_OK, or the error's HRESULT with the
// thread's IErrorInfo set for interface `iid`.
template <class F>
::HRESULT GuardedVtable(REFIID iid, F&& body);

// ------------------------------------------------------------------------

namespace detail {
::HRESULT ReportToInvoker(EXCEPINFO* info);  // inside a catch block
::HRESULT ReportToVtable(REFIID iid);        // inside a catch block
}  // namespace detail

template <class F>
::HRESULT Guarded(EXCEPINFO* info, F&& body) {
  try {
    std::forward<F>(body)();
    return S_OK;
  } catch (...) {
    return detail::ReportToInvoker(info);
  }
}

template <class F>
::HRESULT GuardedVtable(REFIID iid, F&& body) {
  try {
    std::forward<F>(body)();
    return S_OK;
  } catch (...) {
    return detail::ReportToVtable(iid);
  }
}

}  // namespace velkor::com
