// EventConnection: the events of an outside object, received by name.
//
// An object announces its events through its default source interface, a
// dispatch interface described by its class's type information. The
// connection finds that interface, advises a sink on the object's connection
// point and hands every incoming event to a handler with the event's name
// (from the type information: no dispatch id is assumed) and its arguments
// in declaration order. Arguments the source passes by reference (such as a
// Cancel flag) are written back with what the handler left in them. Ending
// the connection (destruction) unadvises the sink.
#pragma once

#include <windows.h>

#include <ocidl.h>

#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "com/bridge/ComPtr.h"
#include "platform/Variant.h"

namespace velkor::com {

using EventHandler = std::function<void(std::string_view event, std::span<Variant> args)>;

class EventConnection {
 public:
  // Connects `handler` to the default source interface of `source`, found
  // through the class information the object provides. Raises Object
  // doesn't support this property or method (438) when the object announces
  // no events, and the connection point's error when it refuses the sink.
  static std::unique_ptr<EventConnection> Connect(IUnknown* source, EventHandler handler);

  EventConnection(const EventConnection&) = delete;
  EventConnection& operator=(const EventConnection&) = delete;
  ~EventConnection();

  // The source interface's identifier.
  const IID& SourceIid() const { return iid_; }

 private:
  EventConnection(ComPtr<IConnectionPoint> point, DWORD cookie, const IID& iid);

  ComPtr<IConnectionPoint> point_;
  DWORD cookie_;
  IID iid_;
};

}  // namespace velkor::com
