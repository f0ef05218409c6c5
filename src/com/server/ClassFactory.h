// ClassFactory: the IClassFactory that DllGetClassObject hands out for each
// creatable class of the library: the control and ResourceStrings.
#pragma once

#include <objbase.h>

#include <atomic>

#include "com/bridge/LiveObjects.h"
#include "com/bridge/RefCount.h"

namespace velkor::com {

class ClassFactory : public IClassFactory {
 public:
  // Creates one object with one reference, as IUnknown; throws nothing.
  using Creator = IUnknown* (*)();

  // A new reference on the factory of `clsid`, or null for a class this
  // library does not serve.
  static ClassFactory* For(REFCLSID clsid);

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override;
  ::HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  ::HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  // Server locks taken through LockServer and not yet given back.
  static long Locks();

 private:
  explicit ClassFactory(Creator create) : create_(create) {}
  friend class RefCount;  // deletes the object with its last reference
  virtual ~ClassFactory() = default;

  Creator create_;
  RefCount references_;
  LiveObject live_;
};

}  // namespace velkor::com
