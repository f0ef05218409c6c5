// ForeignObject: an object of another component that the control reaches
// only by member name (an outside COM object, or a stand-in seen through a
// by-name view), and the typed adapters that give it one of the host's or
// components' C++ interfaces.
//
// The control asks for an interface with ObjectCast<T> (or Variant::ObjectAs).
// An object that implements T is returned as it is. A foreign object gets
// the adapter registered for T, which turns each member of T into one
// late-bound call by name. An adapter leads back to the foreign object it
// wraps (Underlying), so the object travels back out as itself, and two
// adapters of one object are the same object to SameObject.
#pragma once

#include <functional>
#include <memory>
#include <typeindex>

#include "platform/Object.h"

namespace velkor {

class ForeignObject : public Object {
 public:
  // A value that two views of one outside object share (its identity
  // pointer) and no other object has.
  virtual const void* Identity() const = 0;
};

// Mixin of the typed adapters: the foreign object behind the interface.
class Adapter {
 public:
  virtual ~Adapter() = default;
  virtual const ObjectPtr& Target() const = 0;
};

// The object itself, or for an adapter the foreign object it wraps.
ObjectPtr Underlying(const ObjectPtr& object);
const Object* Underlying(const Object* object);

// Whether both are the same object: one pointer, or two views or adapters
// of one foreign object. Nothing is the same only as Nothing.
bool SameObject(const Object* first, const Object* second);
inline bool SameObject(const ObjectPtr& first, const ObjectPtr& second) {
  return SameObject(first.get(), second.get());
}

// Makes `make` the adapter of interface `type` for foreign objects. The
// registration is process-wide; registering a type again replaces it.
using AdapterFactory = std::function<ObjectPtr(const ObjectPtr& foreign)>;
void RegisterAdapter(std::type_index type, AdapterFactory make);

template <class T, class A>
void RegisterAdapter() {
  RegisterAdapter(typeid(T), [](const ObjectPtr& foreign) -> ObjectPtr {
    return std::make_shared<A>(foreign);
  });
}

}  // namespace velkor
