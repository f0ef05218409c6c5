// DispatchObject: an outside COM object seen as a project Object.
//
// Invoke resolves the member through GetIDsOfNames (once per name) and calls
// IDispatch::Invoke: arguments reversed into DISPPARAMS, a Let or Set value
// named DISPID_PROPERTYPUT, Missing arguments as DISP_E_PARAMNOTFOUND. Every
// argument is passed by reference to a copy, so what the callee writes back
// reaches `args`. A failure raises the number, source and description the
// object reported. The unnamed member is DISPID_VALUE; "_NewEnum" walks the
// object's IEnumVARIANT and returns the items as a 0-based array, as the
// project's own collections do.
//
// An interface without IDispatch is held all the same, so it can travel back
// out unchanged; calling a member of it raises 438.
//
// As a foreign object it takes the typed adapters (platform/ForeignObject.h);
// its identity is its IUnknown, so two wrappers of one object are the same
// object. Its events arrive by name through EventConnection.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <map>
#include <string>
#include <vector>

#include "com/bridge/ComPtr.h"
#include "platform/ForeignObject.h"

namespace velkor::com {

class DispatchObject : public ForeignObject {
 public:
  explicit DispatchObject(ComPtr<IUnknown> unknown);

  // The project object for `unknown`: the original object when it is one of
  // ours, Nothing for null, a new DispatchObject otherwise.
  static ObjectPtr Wrap(IUnknown* unknown);

  std::string TypeName() const override;
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
  // Raises 438 when the object announces no events (EventConnection).
  EventSubscription ConnectEvents(EventSink sink) override;
  const void* Identity() const override { return identity_.get(); }

  IUnknown* unknown() const { return unknown_.get(); }
  IDispatch* dispatch() const { return dispatch_.get(); }

 private:
  DISPID IdOf(std::string_view member);

  ComPtr<IUnknown> unknown_;
  ComPtr<IDispatch> dispatch_;
  ComPtr<IUnknown> identity_;  // what QueryInterface(IUnknown) gives: the same for every wrapper
  std::map<std::string, DISPID> ids_;  // key: the name in lower case
};

// The items of an IEnumVARIANT, in order.
std::vector<Variant> EnumerateItems(IEnumVARIANT* items);
// The items of an object's DISPID_NEWENUM enumerator.
std::vector<Variant> EnumerateItems(IDispatch* collection);

// An IEnumVARIANT over a fixed list of values (a new reference).
IEnumVARIANT* MakeEnumerator(std::vector<Variant> items);

}  // namespace velkor::com
