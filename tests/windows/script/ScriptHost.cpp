#include "script/ScriptHost.h"

#include <activscp.h>
#include <oleauto.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "com/bridge/Bstr.h"

namespace velkor::script_test {

namespace {

// The object the script knows as "Host": Echo(text) appends a line.
class HostObject final : public IDispatch {
 public:
  explicit HostObject(std::vector<std::string>& lines) : lines_(lines) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  // Lives on the stack of RunVbScript, which outlives the engine.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override {
    return DISP_E_BADINDEX;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
      ids[i] = (i == 0 && lstrcmpiW(names[i], L"Echo") == 0) ? kEcho : DISPID_UNKNOWN;
      if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override {
    if (id != kEcho || !(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    if (params->cArgs != 1 || params->cNamedArgs != 0) return DISP_E_BADPARAMCOUNT;
    VARIANT text;
    VariantInit(&text);
    HRESULT hr = VariantChangeType(&text, &params->rgvarg[0], 0, VT_BSTR);
    if (FAILED(hr)) return hr;
    lines_.push_back(com::FromBstr(V_BSTR(&text)));
    VariantClear(&text);
    if (result) VariantInit(result);
    return S_OK;
  }

 private:
  static constexpr DISPID kEcho = 1;
  std::vector<std::string>& lines_;
};

// The site the engine talks to: it offers the Host object and keeps the
// first error the script did not handle.
class Site final : public IActiveScriptSite {
 public:
  Site(HostObject& host, ScriptRun& run) : host_(host), run_(run) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != __uuidof(IActiveScriptSite)) return E_NOINTERFACE;
    *out = static_cast<IActiveScriptSite*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE GetLCID(LCID* lcid) override {
    *lcid = 1033;  // the texts a test compares are the English ones
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** item,
                                        ITypeInfo** info) override {
    if (item) *item = nullptr;
    if (info) *info = nullptr;
    if (lstrcmpiW(name, L"Host") != 0) return TYPE_E_ELEMENTNOTFOUND;
    if ((mask & SCRIPTINFO_IUNKNOWN) && item) {
      *item = static_cast<IDispatch*>(&host_);
      host_.AddRef();
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDocVersionString(BSTR* version) override {
    *version = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnStateChange(SCRIPTSTATE) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnScriptError(IActiveScriptError* error) override {
    if (run_.failed) return S_OK;
    run_.failed = true;
    EXCEPINFO info{};
    if (SUCCEEDED(error->GetExceptionInfo(&info))) {
      if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
      run_.error.number = info.scode ? info.scode : info.wCode;
      run_.error.source = com::FromBstr(info.bstrSource);
      run_.error.description = com::FromBstr(info.bstrDescription);
      SysFreeString(info.bstrSource);
      SysFreeString(info.bstrDescription);
      SysFreeString(info.bstrHelpFile);
    }
    DWORD context = 0;
    ULONG line = 0;
    LONG column = 0;
    if (SUCCEEDED(error->GetSourcePosition(&context, &line, &column))) run_.error.line = line + 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnEnterScript() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnLeaveScript() override { return S_OK; }

 private:
  HostObject& host_;
  ScriptRun& run_;
};

template <class I>
struct Released {
  I* p = nullptr;
  ~Released() {
    if (p) p->Release();
  }
};

// Creates the engine, gives it the site and the Host item, runs the text.
void Run(std::string_view source, Site& site, ScriptRun& run) {
  CLSID engineId;
  Released<IActiveScript> engine;
  Released<IActiveScriptParse> parser;
  HRESULT hr = CLSIDFromProgID(L"VBScript", &engineId);
  if (SUCCEEDED(hr))
    hr = CoCreateInstance(engineId, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IActiveScript),
                          reinterpret_cast<void**>(&engine.p));
  if (SUCCEEDED(hr))
    hr =
        engine.p->QueryInterface(__uuidof(IActiveScriptParse), reinterpret_cast<void**>(&parser.p));
  if (SUCCEEDED(hr)) hr = engine.p->SetScriptSite(&site);
  if (SUCCEEDED(hr)) hr = parser.p->InitNew();
  if (SUCCEEDED(hr)) hr = engine.p->AddNamedItem(L"Host", SCRIPTITEM_ISVISIBLE);
  if (FAILED(hr)) {
    char text[64];
    std::snprintf(text, sizeof text, "script engine set-up failed: 0x%08lX",
                  static_cast<unsigned long>(hr));
    run.setupFailure = text;
    if (engine.p) engine.p->Close();
    return;
  }
  run.started = true;
  std::wstring code = com::ToWide(source);
  EXCEPINFO info{};
  hr = parser.p->ParseScriptText(code.c_str(), nullptr, nullptr, nullptr, 0, 0,
                                 SCRIPTTEXT_ISVISIBLE, nullptr, &info);
  if (SUCCEEDED(hr)) engine.p->SetScriptState(SCRIPTSTATE_CONNECTED);
  engine.p->Close();
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  // A syntax error is reported through OnScriptError as well; anything
  // else that failed without a report still fails the run.
  if (FAILED(hr) && !run.failed) {
    run.failed = true;
    run.error.number = hr;
    run.error.description = "the script engine refused the text";
  }
}

}  // namespace

ScriptRun RunVbScript(std::string_view source) {
  ScriptRun run;
  HostObject host(run.lines);
  Site site(host, run);
  Run(source, site, run);
  return run;
}

std::string Describe(const ScriptError& error) {
  char number[16];
  std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(error.number));
  return "line " + std::to_string(error.line) + ": error " + number + " (" + error.source + ") " +
         error.description;
}

}  // namespace velkor::script_test
