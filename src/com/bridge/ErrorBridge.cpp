#include "com/bridge/ErrorBridge.h"

#include "com/bridge/Bstr.h"
#include "com/bridge/ComPtr.h"
#include "platform/ErrorNumbers.h"

namespace velkor::com {

namespace {

// The caller keeps its EXCEPINFO's strings; those a deferred fill-in adds
// to the copy here are freed here.
VbError FromExcepInfo(::HRESULT hr, EXCEPINFO info) {
  const bool deferred = info.pfnDeferredFillIn != nullptr;
  if (deferred) info.pfnDeferredFillIn(&info);
  std::string description = FromBstr(info.bstrDescription);
  std::string source = FromBstr(info.bstrSource);
  if (deferred) {
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
  }
  if (info.scode != 0) return VbError::FromHResult(info.scode, description, source);
  if (info.wCode != 0) return VbError(info.wCode, description, source);
  return VbError::FromHResult(hr, description, source);
}

// The runtime error an IDispatch failure without text of its own stands for.
std::int32_t RuntimeNumberOf(::HRESULT hr) {
  switch (hr) {
    case DISP_E_MEMBERNOTFOUND:
    case DISP_E_UNKNOWNNAME:
      return err::kNoSupport;
    case DISP_E_BADPARAMCOUNT:
      return err::kWrongArgCount;
    case DISP_E_PARAMNOTOPTIONAL:
      return err::kArgNotOptional;
    case DISP_E_TYPEMISMATCH:
      return err::kTypeMismatch;
    case DISP_E_OVERFLOW:
      return err::kOverflow;
    case DISP_E_DIVBYZERO:
      return err::kDivisionByZero;
    case DISP_E_BADINDEX:
      return err::kSubscriptOutOfRange;
    case E_OUTOFMEMORY:
      return err::kOutOfMemory;
    default:
      return 0;
  }
}

bool HasContent(const EXCEPINFO& info) {
  return info.scode != 0 || info.wCode != 0 || info.bstrDescription || info.bstrSource ||
         info.pfnDeferredFillIn;
}

}  // namespace

::HRESULT HresultOf(const VbError& error) {
  const ::HRESULT hr = error.hresult();
  return FAILED(hr) ? hr : E_FAIL;
}

::HRESULT FillExcepInfo(const VbError& error, EXCEPINFO& info) {
  info = EXCEPINFO{};
  info.scode = HresultOf(error);
  info.bstrSource = ToBstr(error.source());
  info.bstrDescription = ToBstr(error.description());
  return DISP_E_EXCEPTION;
}

::HRESULT SetComErrorInfo(const VbError& error, REFIID iid) {
  ComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(CreateErrorInfo(create.Out()))) {
    create->SetGUID(iid);
    create->SetSource(const_cast<LPOLESTR>(ToWide(error.source()).c_str()));
    create->SetDescription(const_cast<LPOLESTR>(ToWide(error.description()).c_str()));
    if (auto info = create.As<IErrorInfo>(IID_IErrorInfo)) SetErrorInfo(0, info.get());
  }
  return HresultOf(error);
}

VbError ErrorFromHresult(::HRESULT hr, const EXCEPINFO* info) {
  if (info && HasContent(*info)) return FromExcepInfo(hr, *info);
  ComPtr<IErrorInfo> errorInfo;
  if (GetErrorInfo(0, errorInfo.Out()) == S_OK && errorInfo) {
    Bstr description;
    Bstr source;
    errorInfo->GetDescription(description.Out());
    errorInfo->GetSource(source.Out());
    return VbError::FromHResult(hr, description.Utf8(), source.Utf8());
  }
  if (const std::int32_t number = RuntimeNumberOf(hr)) return VbError(number);
  return VbError::FromHResult(hr);
}

void RaiseFromHresult(::HRESULT hr, const EXCEPINFO* info) {
  throw ErrorFromHresult(hr, info);
}

namespace detail {

::HRESULT ReportToInvoker(EXCEPINFO* info) {
  const VbError error = CurrentError();
  SetComErrorInfo(error);
  if (!info) return HresultOf(error);
  return FillExcepInfo(error, *info);
}

::HRESULT ReportToVtable(REFIID iid) {
  return SetComErrorInfo(CurrentError(), iid);
}

}  // namespace detail

}  // namespace velkor::com
