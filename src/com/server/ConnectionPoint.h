// ConnectionPoint: one outgoing interface of an object and the sinks that
// containers connected to it with Advise. It lives inside its object and
// counts its references on that object, as connection points do.
#pragma once

#include <ocidl.h>

#include <functional>
#include <utility>
#include <vector>

#include "com/bridge/ComPtr.h"

namespace velkor::com {

class ConnectionPoint : public IConnectionPoint {
 public:
  ConnectionPoint(IConnectionPointContainer* owner, REFIID iid, bool dispatchSinks)
      : owner_(owner), iid_(iid), dispatchSinks_(dispatchSinks) {}
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;

  const IID& iid() const { return iid_; }

  // IUnknown: references count on the owner.
  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }

  // IConnectionPoint
  ::HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  ::HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  ::HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  ::HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  ::HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

  // The connected sinks as `I`, in the order of connection; a copy, so that a
  // sink may disconnect while it is called.
  template <class I>
  std::vector<ComPtr<I>> Sinks() const {
    std::vector<ComPtr<I>> out;
    for (const auto& s : sinks_) out.push_back(ComPtr<I>(static_cast<I*>(s.second.get())));
    return out;
  }
  bool Empty() const { return sinks_.empty(); }
  void DisconnectAll() { sinks_.clear(); }

 private:
  IConnectionPointContainer* owner_;
  IID iid_;
  bool dispatchSinks_;  // an event dispinterface: an IDispatch sink will do
  // Each sink as the interface of the connection point (IDispatch for an
  // event dispinterface), held by a reference of ours.
  std::vector<std::pair<DWORD, ComPtr<IUnknown>>> sinks_;
  DWORD nextCookie_ = 1;
};

}  // namespace velkor::com
