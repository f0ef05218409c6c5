#include "os/linux/ObjectRegistry.h"

#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"

namespace velkor::sim {

std::string ObjectRegistry::Key(std::string_view progId) {
  return vb::UCase(progId);
}

void ObjectRegistry::Register(std::string_view progId, Creator creator) {
  std::lock_guard lock(mutex_);
  creators_[Key(progId)] = std::move(creator);
}

void ObjectRegistry::Unregister(std::string_view progId) {
  std::lock_guard lock(mutex_);
  creators_.erase(Key(progId));
}

bool ObjectRegistry::IsRegistered(std::string_view progId) const {
  std::lock_guard lock(mutex_);
  return creators_.contains(Key(progId));
}

std::vector<std::string> ObjectRegistry::ProgIds() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> names;
  for (const auto& entry : creators_) names.push_back(entry.first);
  return names;
}

ObjectPtr ObjectRegistry::CreateObject(std::string_view progId) {
  Creator creator;
  {
    std::lock_guard lock(mutex_);
    auto it = creators_.find(Key(progId));
    if (it != creators_.end()) creator = it->second;
  }
  // Called without the lock: a creator may create further objects.
  if (!creator) {
    std::string name(progId);
    Raise(err::kCannotCreateObject, name,
          StandardDescription(err::kCannotCreateObject) + ": " + name);
  }
  return creator();
}

}  // namespace velkor::sim
