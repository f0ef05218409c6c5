// The two directions between typed events and events by name: a typed
// source publishes each Event under its name (ForwardByName), and an adapter
// raises a typed Event from a call by name (RaiseFromNamed). Arguments travel
// as Variants; one a handler receives by reference (bool& Cancel) goes back
// with what the other side left in it.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/Conversions.h"
#include "platform/Object.h"

namespace velkor::events {

template <class A>
void WriteBack(A&&, const Variant&) {}
inline void WriteBack(bool& target, const Variant& value) {
  target = CBool(value);
}

// Connects `sink` to `event`: each raise reaches it as `name` with the
// arguments as Variants.
template <class... Args>
Connection ForwardByName(Event<Args...>& event, std::string name, std::shared_ptr<EventSink> sink) {
  return event.Connect([name = std::move(name), sink](Args... args) {
    Variant values[] = {Variant(args)...};
    (*sink)(name, values);
    std::size_t i = 0;
    (WriteBack(args, values[i++]), ...);
  });
}

// One argument of an event received by name, as the typed handler takes it.
template <class A>
struct FromNamed {
  static A Take(const Variant& value) {
    if constexpr (std::is_same_v<A, Variant>) {
      return value;
    } else if constexpr (std::is_same_v<A, ObjectPtr>) {
      return value.IsObject() ? value.AsObject() : nullptr;
    } else {
      using Target = typename A::element_type;  // a shared pointer to an interface
      return value.IsObject() ? value.template ObjectAs<Target>() : nullptr;
    }
  }
};

template <class... Args, std::size_t... I>
void RaiseFromNamedAt(const Event<Args...>& event, std::span<Variant> args,
                      std::index_sequence<I...>) {
  // By-reference flags live here during the raise.
  bool flags[sizeof...(Args) + 1] = {};
  auto take = [&]<class A>(std::size_t i) -> decltype(auto) {
    if constexpr (std::is_same_v<A, bool&>) {
      flags[i] = CBool(args[i]);
      return static_cast<bool&>(flags[i]);
    } else {
      return FromNamed<std::decay_t<A>>::Take(args[i]);
    }
  };
  event.Raise(take.template operator()<Args>(I)...);
  ((std::is_same_v<Args, bool&> ? void(args[I] = Variant(flags[I])) : void()), ...);
}

// Raises `event` with the arguments of an event received by name. A by-
// reference flag (bool&) comes from its Variant and goes back into it. An
// event with another number of arguments is not this one and is ignored.
template <class... Args>
void RaiseFromNamed(const Event<Args...>& event, std::span<Variant> args) {
  if (args.size() != sizeof...(Args)) return;
  RaiseFromNamedAt(event, args, std::index_sequence_for<Args...>{});
}

// A subscription that keeps every connection in `connections`.
inline EventSubscription Hold(std::vector<Connection> connections) {
  return EventSubscription(std::make_shared<std::vector<Connection>>(std::move(connections)));
}

}  // namespace velkor::events
