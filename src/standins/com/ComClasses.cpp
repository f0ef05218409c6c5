#include "standins/com/ComClasses.h"

#include <windows.h>

#include <objbase.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>

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

// The ProgID -> CLSID key of one class in the classes root. What was there
// before is recorded in the ProgID's key first, so that a class the system
// already knows (WScript.Shell) gets its own registration back, also after
// a run that ended before it could undo its keys: the next run finds the
// record and restores from it.
class ProgIdKey {
 public:
  ProgIdKey(const std::string& progId, const CLSID& id) : progId_(com::ToWide(progId)) {
    if (!ReadText(progId_, kRecord)) {
      std::optional<std::wstring> was = ReadText(progId_ + L"\\CLSID", nullptr);
      if (!was) was = KeyExists() ? kHadNoClass : kHadNoKey;
      WriteText(progId_, kRecord, *was);
    }
    wchar_t text[40] = {};
    StringFromGUID2(id, text, 40);
    WriteText(progId_ + L"\\CLSID", nullptr, text);
  }
  ProgIdKey(const ProgIdKey&) = delete;
  ProgIdKey& operator=(const ProgIdKey&) = delete;
  ~ProgIdKey() {
    const std::wstring was = ReadText(progId_, kRecord).value_or(kHadNoKey);
    if (was == kHadNoKey) {
      RegDeleteTreeW(HKEY_CLASSES_ROOT, progId_.c_str());
      return;
    }
    if (was == kHadNoClass)
      RegDeleteTreeW(HKEY_CLASSES_ROOT, (progId_ + L"\\CLSID").c_str());
    else
      WriteText(progId_ + L"\\CLSID", nullptr, was);
    RegDeleteKeyValueW(HKEY_CLASSES_ROOT, progId_.c_str(), kRecord);
  }

 private:
  static constexpr const wchar_t* kRecord = L"VelkorStandInWas";
  static constexpr const wchar_t* kHadNoKey = L"-";
  static constexpr const wchar_t* kHadNoClass = L"+";

  bool KeyExists() const {
    HKEY key = nullptr;
    const bool exists =
        RegOpenKeyExW(HKEY_CLASSES_ROOT, progId_.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (key) RegCloseKey(key);
    return exists;
  }
  static std::optional<std::wstring> ReadText(const std::wstring& key, const wchar_t* name) {
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
      return std::nullopt;
    return std::wstring(text);
  }
  static void WriteText(const std::wstring& path, const wchar_t* name, const std::wstring& text) {
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE,
                                     nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
      status = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
      RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) com::Check(HRESULT_FROM_WIN32(status));
  }

  std::wstring progId_;
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
