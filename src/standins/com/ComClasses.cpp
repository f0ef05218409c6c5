#include "standins/com/ComClasses.h"

#include <windows.h>

#include <objbase.h>

#include <cstdint>
#include <cstring>

#include "com/bridge/Bstr.h"
#include "com/bridge/ComPtr.h"
#include "com/bridge/ErrorBridge.h"
#include "com/bridge/ObjectDispatch.h"
#include "com/bridge/RefCount.h"
#include "platform/VbString.h"

namespace velkor::sim {

namespace {

// A class identifier from the ProgID alone (FNV-1a over its upper case), so
// that a run that ended abruptly is overwritten by the next one.
CLSID ClassIdOf(const std::string& progId) {
  auto hash = [&](std::uint64_t seed) {
    std::uint64_t h = seed;
    for (unsigned char c : vb::UCase(progId)) h = (h ^ c) * 0x100000001b3ULL;
    return h;
  };
  const std::uint64_t first = hash(0xcbf29ce484222325ULL);
  const std::uint64_t second = hash(0x84222325cbf29ce4ULL);
  CLSID id;
  std::memcpy(&id.Data1, &first, 4);
  std::memcpy(&id.Data2, reinterpret_cast<const char*>(&first) + 4, 2);
  std::memcpy(&id.Data3, reinterpret_cast<const char*>(&first) + 6, 2);
  std::memcpy(id.Data4, &second, 8);
  id.Data3 = static_cast<unsigned short>((id.Data3 & 0x0FFF) | 0x8000);  // a name-based variant
  return id;
}

class StandInFactory final : public IClassFactory {
 public:
  StandInFactory(std::shared_ptr<ObjectRegistry> registry, std::string progId)
      : registry_(std::move(registry)), progId_(std::move(progId)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override { return references_.Drop(this); }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return com::GuardedVtable(IID_IClassFactory, [&] {
      auto made = com::ComPtr<IDispatch>::Adopt(com::Expose(registry_->CreateObject(progId_)));
      com::Check(made->QueryInterface(iid, out));
    });
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  friend class com::RefCount;
  ~StandInFactory() = default;

  std::shared_ptr<ObjectRegistry> registry_;
  std::string progId_;
  com::RefCount references_;
};

std::wstring ClassesKey(const std::string& progId) {
  return L"Software\\Classes\\" + com::ToWide(progId) + L"\\CLSID";
}

class Served final : public ComClassServer {
 public:
  ~Served() override {
    for (DWORD cookie : cookies_) CoRevokeClassObject(cookie);
    for (const std::string& progId : progIds_)
      RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + com::ToWide(progId)).c_str());
  }

  void Add(const std::shared_ptr<ObjectRegistry>& registry, const std::string& progId) {
    const CLSID id = ClassIdOf(progId);
    WriteProgIdKey(progId, id);
    progIds_.push_back(progId);
    auto factory = com::ComPtr<IClassFactory>::Adopt(new StandInFactory(registry, progId));
    DWORD cookie = 0;
    com::Check(CoRegisterClassObject(id, factory.get(), CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                     REGCLS_MULTIPLEUSE, &cookie));
    cookies_.push_back(cookie);
  }

 private:
  static void WriteProgIdKey(const std::string& progId, const CLSID& id) {
    wchar_t text[40] = {};
    StringFromGUID2(id, text, 40);
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, ClassesKey(progId).c_str(), 0, nullptr, 0,
                                     KEY_WRITE, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
      status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                              static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
      RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) com::Check(HRESULT_FROM_WIN32(status));
  }

  std::vector<DWORD> cookies_;
  std::vector<std::string> progIds_;
};

}  // namespace

std::unique_ptr<ComClassServer> ServeThroughCom(std::shared_ptr<ObjectRegistry> registry,
                                                const std::vector<std::string>& progIds) {
  auto served = std::make_unique<Served>();
  for (const std::string& progId : progIds) served->Add(registry, progId);
  return served;
}

}  // namespace velkor::sim
