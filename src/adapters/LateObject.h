// LateObject and Adapted<I>: the common base of the adapters that give a
// foreign object (platform/ForeignObject.h) one of the host's or the
// components' interfaces. Each member of the interface becomes one late-bound
// call by the member's name in the host's or component's object model;
// results that are objects come back as the interface the member declares,
// adapted in turn when they are foreign.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "platform/ErrorNumbers.h"
#include "platform/ForeignObject.h"
#include "platform/Object.h"
#include "platform/VbError.h"

namespace velkor::adapters {

class LateObject : public Adapter {
 public:
  explicit LateObject(ObjectPtr target) : target_(std::move(target)) {}
  const ObjectPtr& Target() const override { return target_; }

 protected:
  // A method call, a property read, a property write by value and one by
  // reference. The arguments are copied, so nothing written back reaches the
  // caller; a by-reference parameter needs Target()->Invoke with a span of its
  // own.
  template <class... A>
  Variant Call(std::string_view member, A&&... args) const {
    return InvokeWith(member, InvokeKind::Method, std::forward<A>(args)...);
  }
  template <class... A>
  Variant Get(std::string_view member, A&&... args) const {
    return InvokeWith(member, InvokeKind::PropertyGet, std::forward<A>(args)...);
  }
  template <class... A>
  void Let(std::string_view member, A&&... argsThenValue) const {
    InvokeWith(member, InvokeKind::PropertyLet, std::forward<A>(argsThenValue)...);
  }

  // A read whose result is an object of interface T: nullptr for Nothing,
  // Type mismatch (13) for a value that is no object or not a T.
  template <class T, class... A>
  std::shared_ptr<T> GetAs(std::string_view member, A&&... args) const {
    return As<T>(Get(member, std::forward<A>(args)...));
  }
  template <class T, class... A>
  std::shared_ptr<T> CallAs(std::string_view member, A&&... args) const {
    return As<T>(Call(member, std::forward<A>(args)...));
  }
  template <class T>
  static std::shared_ptr<T> As(const Variant& result) {
    if (!result.IsObject()) Raise(err::kTypeMismatch);
    if (!result.AsObject()) return nullptr;
    auto typed = result.ObjectAs<T>();
    if (!typed) Raise(err::kTypeMismatch);
    return typed;
  }

 private:
  template <class... A>
  Variant InvokeWith(std::string_view member, InvokeKind kind, A&&... args) const {
    Variant values[] = {Variant(std::forward<A>(args))..., Variant()};
    return target_->Invoke(member, kind, std::span<Variant>(values, sizeof...(A)));
  }

  ObjectPtr target_;
};

// Interface I over a foreign object. Late-bound calls, the type name and the
// events by name go to the foreign object itself.
template <class I>
class Adapted : public I, public LateObject {
 public:
  explicit Adapted(ObjectPtr target) : LateObject(std::move(target)) {}

  std::string TypeName() const override { return Target()->TypeName(); }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    return Target()->Invoke(member, kind, args);
  }
  EventSubscription ConnectEvents(EventSink sink) override {
    return Target()->ConnectEvents(std::move(sink));
  }
};

}  // namespace velkor::adapters
