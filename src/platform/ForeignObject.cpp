#include "platform/ForeignObject.h"

#include <map>
#include <mutex>

namespace velkor {

namespace {

struct AdapterTable {
  std::mutex lock;
  std::map<std::type_index, AdapterFactory> factories;
};

AdapterTable& Adapters() {
  static AdapterTable table;
  return table;
}

const void* IdentityOf(const Object* object) {
  const Object* inner = Underlying(object);
  if (const auto* foreign = dynamic_cast<const ForeignObject*>(inner)) return foreign->Identity();
  return inner;
}

}  // namespace

ObjectPtr Underlying(const ObjectPtr& object) {
  ObjectPtr current = object;
  while (const auto* adapter = dynamic_cast<const Adapter*>(current.get()))
    current = adapter->Target();
  return current;
}

const Object* Underlying(const Object* object) {
  const Object* current = object;
  while (const auto* adapter = dynamic_cast<const Adapter*>(current))
    current = adapter->Target().get();
  return current;
}

bool SameObject(const Object* first, const Object* second) {
  if (first == second) return true;
  if (!first || !second) return false;
  return IdentityOf(first) == IdentityOf(second);
}

void RegisterAdapter(std::type_index type, AdapterFactory make) {
  AdapterTable& table = Adapters();
  std::lock_guard guard(table.lock);
  table.factories[type] = std::move(make);
}

ObjectPtr AdaptForeign(const std::type_info& type, const ObjectPtr& object) {
  if (!dynamic_cast<const ForeignObject*>(object.get())) return nullptr;
  AdapterFactory make;
  {
    AdapterTable& table = Adapters();
    std::lock_guard guard(table.lock);
    auto found = table.factories.find(type);
    if (found == table.factories.end()) return nullptr;
    make = found->second;
  }
  return make(object);
}

}  // namespace velkor
