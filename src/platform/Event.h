// Event and Connection: the source side and the sink side of an automation
// event. A sink stays connected while it holds its Connection; dropping or
// reassigning the Connection disconnects it. A handler may disconnect itself,
// other handlers or destroy the source while the event is being raised.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace velkor {

namespace detail {
struct EventSlots {
  struct Slot {
    std::uint64_t id;
    std::shared_ptr<void> handler;  // the std::function, type-erased
  };
  std::vector<Slot> slots;
  std::uint64_t nextId = 1;
  void Remove(std::uint64_t id);
};
}  // namespace detail

class Connection {
 public:
  Connection() = default;
  Connection(std::weak_ptr<detail::EventSlots> slots, std::uint64_t id)
      : slots_(std::move(slots)), id_(id) {}
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  Connection(Connection&& other) noexcept { *this = std::move(other); }
  Connection& operator=(Connection&& other) noexcept {
    if (this != &other) {
      Disconnect();
      slots_ = std::move(other.slots_);
      id_ = std::exchange(other.id_, 0);
    }
    return *this;
  }
  ~Connection() { Disconnect(); }

  void Disconnect() {
    if (auto s = slots_.lock()) s->Remove(id_);
    slots_.reset();
    id_ = 0;
  }
  bool Connected() const { return id_ != 0 && !slots_.expired(); }

 private:
  std::weak_ptr<detail::EventSlots> slots_;
  std::uint64_t id_ = 0;
};

// Keeps a sink connected to an object's events by name until it is dropped
// (Object::ConnectEvents); what it holds is the source's business.
class EventSubscription {
 public:
  EventSubscription() = default;
  explicit EventSubscription(std::shared_ptr<void> hold) : hold_(std::move(hold)) {}
  EventSubscription(const EventSubscription&) = delete;
  EventSubscription& operator=(const EventSubscription&) = delete;
  EventSubscription(EventSubscription&&) noexcept = default;
  EventSubscription& operator=(EventSubscription&&) noexcept = default;

  bool Connected() const { return hold_ != nullptr; }
  void Disconnect() { hold_.reset(); }

 private:
  std::shared_ptr<void> hold_;
};

template <class... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  // `hook` runs when the first handler connects, before it is connected; if
  // it raises, the handler is not connected. Sources that fetch their events
  // from elsewhere subscribe there only once someone listens.
  void OnFirstConnect(std::function<void()> hook) { firstConnect_ = std::move(hook); }

  [[nodiscard]] Connection Connect(Handler handler) {
    if (slots_->slots.empty() && firstConnect_) firstConnect_();
    auto id = slots_->nextId++;
    slots_->slots.push_back({id, std::make_shared<Handler>(std::move(handler))});
    return Connection(slots_, id);
  }

  // Calls every handler connected when the raise starts and still connected
  // when its turn comes, in the order of connection.
  void Raise(Args... args) const {
    auto keep = slots_;  // survives the source being destroyed by a handler
    std::vector<std::pair<std::uint64_t, std::shared_ptr<void>>> snapshot;
    snapshot.reserve(keep->slots.size());
    for (const auto& s : keep->slots) snapshot.emplace_back(s.id, s.handler);
    for (auto& [id, handler] : snapshot) {
      if (!IsConnected(*keep, id)) continue;
      (*static_cast<Handler*>(handler.get()))(args...);
    }
  }

  std::size_t ConnectionCount() const { return slots_->slots.size(); }

 private:
  static bool IsConnected(const detail::EventSlots& s, std::uint64_t id) {
    for (const auto& slot : s.slots)
      if (slot.id == id) return true;
    return false;
  }

  std::shared_ptr<detail::EventSlots> slots_ = std::make_shared<detail::EventSlots>();
  std::function<void()> firstConnect_;
};

}  // namespace velkor
