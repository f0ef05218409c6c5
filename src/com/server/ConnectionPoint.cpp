#include "com/server/ConnectionPoint.h"

#include <olectl.h>

#include <algorithm>

#include "com/server/ConnectionLists.h"

namespace velkor::com {

::HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IConnectionPoint))
    return E_NOINTERFACE;
  *out = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

::HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

::HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (!out) return E_POINTER;
  *out = owner_;
  owner_->AddRef();
  return S_OK;
}

::HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  ComPtr<IUnknown> held;
  sink->QueryInterface(iid_, reinterpret_cast<void**>(held.Out()));
  if (!held && dispatchSinks_)
    sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(held.Out()));
  if (!held) return CONNECT_E_CANNOTCONNECT;
  *cookie = nextCookie_++;
  sinks_.emplace_back(*cookie, std::move(held));
  return S_OK;
}

::HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
  auto it = std::find_if(sinks_.begin(), sinks_.end(),
                         [cookie](const auto& s) { return s.first == cookie; });
  if (it == sinks_.end()) return CONNECT_E_NOCONNECTION;
  // The sink's last reference may go here; it must not find us mid-erase.
  ComPtr<IUnknown> leaving = std::move(it->second);
  sinks_.erase(it);
  return S_OK;
}

::HRESULT ConnectionPoint::EnumConnections(IEnumConnections** out) {
  if (!out) return E_POINTER;
  std::vector<CONNECTDATA> connections;
  for (const auto& [cookie, sink] : sinks_) connections.push_back({sink.get(), cookie});
  *out = EnumerateHeld<IEnumConnections>(std::move(connections), IID_IEnumConnections);
  return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace velkor::com
