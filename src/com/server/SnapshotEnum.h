// SnapshotEnum: an enumerator over a copy of a list taken when it is made,
// for IEnumConnectionPoints and IEnumConnections. A snapshot, because the list
// may change while a caller walks it (a sink may disconnect itself).
#pragma once

#include <ocidl.h>

#include <atomic>
#include <memory>
#include <vector>

#include "com/bridge/LiveObjects.h"

namespace velkor::com {

// What an enumeration hands out: each element given to the caller carries a
// reference of its own.
inline IConnectionPoint* CopyOut(IConnectionPoint* point) {
  point->AddRef();
  return point;
}
inline CONNECTDATA CopyOut(const CONNECTDATA& data) {
  data.pUnk->AddRef();
  return data;
}

inline void ReleaseHeld(IConnectionPoint* point) {
  point->Release();
}
inline void ReleaseHeld(const CONNECTDATA& data) {
  data.pUnk->Release();
}

// The list as a snapshot that holds a reference on each element until the
// last enumerator sharing it is gone.
template <class Element>
std::shared_ptr<const std::vector<Element>> HeldSnapshot(std::vector<Element> items) {
  for (const auto& item : items) CopyOut(item);
  return std::shared_ptr<const std::vector<Element>>(new std::vector<Element>(std::move(items)),
                                                     [](const std::vector<Element>* list) {
                                                       for (const auto& item : *list)
                                                         ReleaseHeld(item);
                                                       delete list;
                                                     });
}

// An enumerator over a HeldSnapshot. Enum is the enumeration interface, Element what its
// Next hands out, Iid the enumeration interface's identifier.
template <class Enum, class Element>
class SnapshotEnum final : public Enum, LiveObject {
 public:
  using List = std::vector<Element>;

  static Enum* Make(std::shared_ptr<const List> items, REFIID iid) {
    return new SnapshotEnum(std::move(items), iid, 0);
  }

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, iid_)) return E_NOINTERFACE;
    *out = static_cast<Enum*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  ::HRESULT STDMETHODCALLTYPE Next(ULONG count, Element* out, ULONG* fetched) override {
    if (!out || (count > 1 && !fetched)) return E_POINTER;
    ULONG n = 0;
    for (; n < count && next_ < items_->size(); ++n) out[n] = CopyOut((*items_)[next_++]);
    if (fetched) *fetched = n;
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
    *out = new SnapshotEnum(items_, iid_, next_);
    return S_OK;
  }

 private:
  SnapshotEnum(std::shared_ptr<const List> items, REFIID iid, std::size_t next)
      : items_(std::move(items)), iid_(iid), next_(next) {}

  std::shared_ptr<const List> items_;
  IID iid_;
  std::size_t next_;
  std::atomic<ULONG> references_{1};
};

}  // namespace velkor::com
