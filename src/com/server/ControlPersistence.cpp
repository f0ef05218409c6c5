// The control's persistence through the container: a property bag, or a
// stream in the layout of StreamLayout.h holding the same keys.
#include <olectl.h>

#include "com/bridge/ErrorBridge.h"
#include "com/server/BagAdapter.h"
#include "com/server/ComGuids.h"
#include "com/server/ControlObject.h"
#include "com/server/MemoryBag.h"
#include "com/server/StreamLayout.h"

namespace velkor::com {

namespace {

::HRESULT ReadExactly(IStream* stream, std::string& bytes, std::size_t count) {
  bytes.assign(count, '\0');
  ULONG read = 0;
  const ::HRESULT hr = stream->Read(bytes.data(), static_cast<ULONG>(count), &read);
  if (FAILED(hr)) return hr;
  return read == count ? S_OK : STG_E_READFAULT;
}

// The saved entries in the stream at its current position; leaves the
// position after them.
::HRESULT ReadEntries(IStream* stream, StreamEntries& entries) {
  std::string header, body;
  ::HRESULT hr = ReadExactly(stream, header, kStreamHeaderSize);
  if (FAILED(hr)) return hr;
  const auto length = BodyLength(header);
  if (!length) return STG_E_OLDFORMAT;
  hr = ReadExactly(stream, body, *length);
  if (FAILED(hr)) return hr;
  auto decoded = DecodeBody(body);
  if (!decoded) return STG_E_DOCFILECORRUPT;
  entries = std::move(*decoded);
  return S_OK;
}

}  // namespace

::HRESULT ControlObject::GetClassID(CLSID* out) {
  if (!out) return E_POINTER;
  *out = kClsidControl;
  return S_OK;
}

// A new control keeps the values of its creation: nothing to do but note
// that the container chose.
::HRESULT ControlObject::InitNew() {
  return BeginPersistence();
}

::HRESULT ControlObject::Load(IPropertyBag* bag, IErrorLog* log) {
  if (!bag) return E_POINTER;
  const ::HRESULT hr = BeginPersistence();
  if (FAILED(hr)) return hr;
  BagAdapter adapter(bag, log);
  // Reading reports its own failures and leaves a usable control.
  return GuardedVtable(IID_IPersistPropertyBag, [&] { control_->ReadProperties(adapter); });
}

::HRESULT ControlObject::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
  if (!bag) return E_POINTER;
  BagAdapter adapter(bag, nullptr);
  const ::HRESULT hr =
      GuardedVtable(IID_IPersistPropertyBag, [&] { control_->WriteProperties(adapter); });
  if (SUCCEEDED(hr) && clearDirty) dirty_ = false;
  return hr;
}

::HRESULT ControlObject::IsDirty() {
  return dirty_ ? S_OK : S_FALSE;
}

::HRESULT ControlObject::Load(LPSTREAM stream) {
  if (!stream) return E_POINTER;
  if (persistenceStarted_) return CO_E_ALREADYINITIALIZED;
  StreamEntries entries;
  const ::HRESULT read = ReadEntries(stream, entries);
  if (FAILED(read)) return read;  // nothing done: the container may InitNew instead
  const ::HRESULT hr = BeginPersistence();
  if (FAILED(hr)) return hr;
  MemoryBag bag(std::move(entries));
  return GuardedVtable(IID_IPersistStreamInit, [&] { control_->ReadProperties(bag); });
}

::HRESULT ControlObject::Save(LPSTREAM stream, BOOL clearDirty) {
  if (!stream) return E_POINTER;
  return GuardedVtable(IID_IPersistStreamInit, [&] {
    MemoryBag bag;
    control_->WriteProperties(bag);
    const std::string bytes = EncodeStream(bag.Entries());
    ULONG written = 0;
    Check(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written));
    if (written != bytes.size()) Check(STG_E_WRITEFAULT);
    if (clearDirty) dirty_ = false;
  });
}

::HRESULT ControlObject::GetSizeMax(ULARGE_INTEGER* size) {
  if (!size) return E_POINTER;
  return GuardedVtable(IID_IPersistStreamInit, [&] {
    MemoryBag bag;
    control_->WriteProperties(bag);
    size->QuadPart = EncodeStream(bag.Entries()).size();
  });
}

}  // namespace velkor::com
