// Object: an automation object, reachable early-bound through its C++
// interfaces and late-bound by member name.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <typeinfo>

#include "platform/Event.h"
#include "platform/Variant.h"

namespace velkor {

enum class InvokeKind { Method, PropertyGet, PropertyLet, PropertySet };

// Receives an object's events by name (Object::ConnectEvents).
using EventSink = std::function<void(std::string_view event, std::span<Variant> args)>;

class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;

  // The class name the runtime's TypeName() gives for the object.
  virtual std::string TypeName() const = 0;

  // Late-bound call of a member by name (letter case ignored). Arguments come
  // in declaration order; an omitted optional one is Variant::Missing().
  // By-reference arguments are written back into `args`. The default raises
  // Object doesn't support this property or method (438).
  virtual Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args);

  // Connects `sink` to the object's events, each delivered with its name and
  // its arguments in declaration order; what the sink leaves in an argument
  // the source passes by reference (a Cancel flag) goes back to the source.
  // The sink stays connected while the subscription is held. The default
  // raises 438: the object raises no events.
  virtual EventSubscription ConnectEvents(EventSink sink);
};

// The adapter of interface T for a foreign object (platform/ForeignObject.h),
// or nullptr when `object` is not foreign or T has no adapter.
ObjectPtr AdaptForeign(const std::type_info& type, const ObjectPtr& object);

// `object` as interface T: itself when it implements T, the adapter of T
// when it is a foreign object, nullptr otherwise.
template <class T>
std::shared_ptr<T> ObjectCast(const ObjectPtr& object) {
  if (auto typed = std::dynamic_pointer_cast<T>(object)) return typed;
  if (!object) return nullptr;
  return std::dynamic_pointer_cast<T>(AdaptForeign(typeid(T), object));
}

template <class T>
std::shared_ptr<T> Variant::ObjectAs() const {
  return ObjectCast<T>(ObjectOrRaise());
}

// Raises Object variable or With block variable not set (91) when `p` is
// empty; returns it otherwise. For members that may hold Nothing.
template <class T>
T& Deref(const std::shared_ptr<T>& p);

[[noreturn]] void RaiseObjectNotSet();

template <class T>
T& Deref(const std::shared_ptr<T>& p) {
  if (!p) RaiseObjectNotSet();
  return *p;
}

}  // namespace velkor
