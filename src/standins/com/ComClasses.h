// Serves a program's stand-in classes through COM, so that objects created
// by ProgID anywhere in the process (in velkor.dll too) come from the
// stand-ins, across IDispatch. Each ProgID gets a class identifier derived
// from its name, a class object registered with CoRegisterClassObject, and a
// ProgID -> CLSID key in the classes root. Everything is undone when the
// returned object goes; a ProgID the system knew gets its own class back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "os/linux/ObjectRegistry.h"

namespace velkor::sim {

class ComClassServer {
 public:
  virtual ~ComClassServer() = default;
};

// Raises the failing HRESULT's error when a class cannot be registered.
std::unique_ptr<ComClassServer> ServeThroughCom(std::shared_ptr<ObjectRegistry> registry,
                                                const std::vector<std::string>& progIds);

}  // namespace velkor::sim
