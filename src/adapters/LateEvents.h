// How a component adapter fetches the events of its foreign object: once,
// when the control first connects to one of them, with a sink that holds the
// adapter weakly (the foreign object may raise after the control let go of
// it, and a handler may let go of it mid-event).
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "platform/EventsByName.h"

namespace velkor::adapters {

// `deliver(adapter, name, args)` runs for every event of the foreign object.
template <class A, class Deliver>
void SubscribeOnce(A& adapter, EventSubscription& subscription, Deliver deliver) {
  if (subscription.Connected()) return;
  std::weak_ptr<Object> self = adapter.weak_from_this();
  subscription = adapter.Target()->ConnectEvents(
      [self, deliver](std::string_view name, std::span<Variant> args) {
        if (auto alive = std::static_pointer_cast<A>(self.lock())) deliver(*alive, name, args);
      });
}

}  // namespace velkor::adapters
