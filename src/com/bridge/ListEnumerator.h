// ListEnumerator: one of the platform's enumeration interfaces
// (IEnumVARIANT, IEnumConnectionPoints, IEnumConnections, ...) over a list
// fixed when the enumerator is made. Clones share the list. A fixed list,
// because the source may change while a caller walks it (a sink may
// disconnect itself, a collection may lose an item).
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <atomic>
#include <memory>
#include <new>
#include <vector>

#include "com/bridge/ErrorBridge.h"
#include "com/bridge/LiveObjects.h"
#include "com/bridge/RefCount.h"
#include "com/bridge/VariantBridge.h"

namespace velkor::com {

// How an item of the list is handed to a caller of Next, and taken back when
// a later item of the same call fails. Specialised per item type.
template <class Item>
struct EnumItem;

template <>
struct EnumItem<Variant> {
  static void GiveOut(const Variant& item, VARIANT& out) {
    VariantInit(&out);
    ToComVariant(item, out);
  }
  static void TakeBack(VARIANT& out) { VariantClear(&out); }
};

template <class Enum, class Element, class Item>
class ListEnumerator final : public Enum {
 public:
  using Items = std::shared_ptr<const std::vector<Item>>;

  // A new enumerator with one reference, or nullptr when memory is short.
  static Enum* Make(Items items, REFIID iid) {
    return new (std::nothrow) ListEnumerator(std::move(items), iid, 0);
  }

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, iid_)) return E_NOINTERFACE;
    *out = static_cast<Enum*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override { return references_.Drop(this); }

  // Hands out up to `count` items; all or none of them when one fails.
  ::HRESULT STDMETHODCALLTYPE Next(ULONG count, Element* out, ULONG* fetched) override {
    if (!out && count) return E_POINTER;
    ULONG n = 0;
    const ::HRESULT hr = Guarded(nullptr, [&] {
      for (; n < count && next_ < items_->size(); ++n) {
        EnumItem<Item>::GiveOut((*items_)[next_], out[n]);
        ++next_;
      }
    });
    if (FAILED(hr)) {
      for (ULONG i = 0; i < n; ++i) EnumItem<Item>::TakeBack(out[i]);
      n = 0;
    }
    if (fetched) *fetched = n;
    if (FAILED(hr)) return hr;
    return n == count ? S_OK : S_FALSE;
  }
  ::HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const std::size_t left = items_->size() - next_;
    next_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  ::HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE Clone(Enum** out) override {
    if (!out) return E_POINTER;
    *out = new (std::nothrow) ListEnumerator(items_, iid_, next_);
    return *out ? S_OK : E_OUTOFMEMORY;
  }

 private:
  ListEnumerator(Items items, REFIID iid, std::size_t next)
      : items_(std::move(items)), iid_(iid), next_(next) {}
  friend class RefCount;  // deletes the object with its last reference
  ~ListEnumerator() = default;

  Items items_;
  IID iid_;
  std::size_t next_;
  RefCount references_;
  LiveObject live_;
};

}  // namespace velkor::com
