// ObjectRegistry: the stand-in for the system's class registration; maps
// ProgIDs (letter case ignored) to functions that create the objects.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/ObjectFactory.h"

namespace velkor::sim {

class ObjectRegistry : public os::ObjectFactory {
 public:
  using Creator = std::function<ObjectPtr()>;

  // Registers `creator` under `progId`, replacing an earlier registration.
  void Register(std::string_view progId, Creator creator);
  void Unregister(std::string_view progId);
  bool IsRegistered(std::string_view progId) const;
  // Every registered ProgID, in upper case.
  std::vector<std::string> ProgIds() const;

  // Raises 429, naming the ProgID, when nothing is registered under it.
  ObjectPtr CreateObject(std::string_view progId) override;

 private:
  static std::string Key(std::string_view progId);

  mutable std::mutex mutex_;
  std::map<std::string, Creator> creators_;
};

}  // namespace velkor::sim
