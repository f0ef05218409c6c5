// ComObjectFactory: CreateObject by ProgID through COM. The classes the
// library serves itself (registered here with Register) are made in process
// without a trip through the system's class registration, so that they work
// whether or not the library is registered. Any other ProgID goes to
// CLSIDFromProgID and CoCreateInstance (in-process and local servers); the
// created object is seen through its IDispatch (com/bridge/DispatchObject.h).
// Every failure to create raises ActiveX component can't create object (429)
// naming the ProgID. The calling thread must have entered an apartment.
#pragma once

#include <memory>

#include "os/linux/ObjectRegistry.h"

namespace velkor::sim {

class ComObjectFactory : public os::ObjectFactory {
 public:
  // Serves `progId` from `creator` in process.
  void Register(std::string_view progId, ObjectRegistry::Creator creator);

  ObjectPtr CreateObject(std::string_view progId) override;

 private:
  ObjectRegistry own_;
};

}  // namespace velkor::sim
