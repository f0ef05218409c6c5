// EventBound<T>: a member that holds an outside object together with the
// control's connections to that object's events. Assigning an object connects
// the control's handlers to it and drops the connections to the previous one,
// so a replaced or released object can no longer reach the control.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/Event.h"

namespace velkor {

template <class T>
class EventBound {
 public:
  using element_type = T;
  using Connections = std::vector<Connection>;
  // Connects the owner's handlers to the events of a newly assigned object.
  using Connector = std::function<Connections(T& source)>;

  explicit EventBound(Connector connect) : connect_(std::move(connect)) {}
  EventBound(const EventBound&) = delete;
  EventBound& operator=(const EventBound&) = delete;

  // Holds `object` (nullptr for Nothing). The new connections are made before
  // the old ones are dropped, so a connector that fails leaves the member as
  // it was.
  void Assign(std::shared_ptr<T> object) {
    Connections fresh = object ? connect_(*object) : Connections{};
    connections_ = std::move(fresh);
    object_ = std::move(object);
  }
  void Clear() { Assign(nullptr); }

  const std::shared_ptr<T>& get() const { return object_; }
  T* operator->() const { return object_.get(); }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  Connector connect_;
  Connections connections_;
  std::shared_ptr<T> object_;
};

}  // namespace velkor
