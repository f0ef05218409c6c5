#include "standins/com/ComClasses.h"

#include <windows.h>

#include <objbase.h>

#include <cstdint>
#include <cstring>
#include <memory>

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

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override { return references_.Drop(this); }

  ::HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return com::GuardedVtable(IID_IClassFactory, [&] {
      auto made = com::ComPtr<IDispatch>::Adopt(com::Expose(registry_->CreateObject(progId_)));
      com::Check(made->QueryInterface(iid, out));
    });
  }
  ::HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  friend class com::RefCount;
  ~StandInFactory() = default;

  std::shared_ptr<ObjectRegistry> registry_;
  std::string progId_;
  com::RefCount references_;
};

// The ProgID -> CLSID key of one class in the classes root, and what was
// there before, so that a class the system already knows (WScript.Shell)
// gets its own registration back.
class ProgIdKey {
 public:
  ProgIdKey(const std::string& progId, const CLSID& id) : progId_(com::ToWide(progId)) {
    HKEY existing = nullptr;
    existed_ =
        RegOpenKeyExW(HKEY_CLASSES_ROOT, progId_.c_str(), 0, KEY_READ, &existing) == ERROR_SUCCESS;
    if (existing) RegCloseKey(existing);
    oldClassId_ = ReadClassId();
    wchar_t text[40] = {};
    StringFromGUID2(id, text, 40);
    WriteClassId(text);
  }
  ProgIdKey(const ProgIdKey&) = delete;
  ProgIdKey& operator=(const ProgIdKey&) = delete;
  ~ProgIdKey() {
    if (!oldClassId_.empty())
      WriteClassId(oldClassId_);
    else if (!existed_)
      RegDeleteTreeW(HKEY_CLASSES_ROOT, progId_.c_str());
    else
      RegDeleteTreeW(HKEY_CLASSES_ROOT, (progId_ + L"\\CLSID").c_str());
  }

 private:
  std::wstring ReadClassId() const {
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CLASSES_ROOT, (progId_ + L"\\CLSID").c_str(), nullptr, RRF_RT_REG_SZ,
                     nullptr, text, &size) != ERROR_SUCCESS)
      return {};
    return text;
  }
  void WriteClassId(const std::wstring& text) const {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, (progId_ + L"\\CLSID").c_str(), 0, nullptr,
                                     0, KEY_WRITE, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
      status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
      RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) com::Check(HRESULT_FROM_WIN32(status));
  }

  std::wstring progId_;
  bool existed_ = false;
  std::wstring oldClassId_;
};

class Served final : public ComClassServer {
 public:
  ~Served() override {
    for (DWORD cookie : cookies_) CoRevokeClassObject(cookie);
  }

  void Add(const std::shared_ptr<ObjectRegistry>& registry, const std::string& progId) {
    const CLSID id = ClassIdOf(progId);
    keys_.push_back(std::make_unique<ProgIdKey>(progId, id));
    auto factory = com::ComPtr<IClassFactory>::Adopt(new StandInFactory(registry, progId));
    DWORD cookie = 0;
    com::Check(CoRegisterClassObject(id, factory.get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                     &cookie));
    cookies_.push_back(cookie);
  }

 private:
  std::vector<std::unique_ptr<ProgIdKey>> keys_;
  std::vector<DWORD> cookies_;
};

}  // namespace

std::unique_ptr<ComClassServer> ServeThroughCom(std::shared_ptr<ObjectRegistry> registry,
                                                const std::vector<std::string>& progIds) {
  auto served = std::make_unique<Served>();
  for (const std::string& progId : progIds) served->Add(registry, progId);
  return served;
}

}  // namespace velkor::sim
