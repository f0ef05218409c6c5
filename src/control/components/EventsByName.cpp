// The components' events by name, as an outside caller subscribes to them.
#include "platform/EventsByName.h"
#include "control/components/ArchiveDataControl.h"
#include "control/components/ExcelDataControl.h"
#include "control/components/TrendChart.h"

namespace velkor::component {

namespace {

template <class... Args>
EventSubscription Only(Event<Args...>& event, std::string name, EventSink sink) {
  std::vector<Connection> connections;
  connections.push_back(
      events::ForwardByName(event, std::move(name), std::make_shared<EventSink>(std::move(sink))));
  return events::Hold(std::move(connections));
}

}  // namespace

EventSubscription TrendChart::ConnectEvents(EventSink sink) {
  return Only(OnUserDefinedMenuItem, "OnUserDefinedMenuItem", std::move(sink));
}

EventSubscription ExcelDataControl::ConnectEvents(EventSink sink) {
  return Only(OnDataChange, "OnDataChange", std::move(sink));
}

EventSubscription ArchiveDataControl::ConnectEvents(EventSink sink) {
  return Only(OnDataChange, "OnDataChange", std::move(sink));
}

}  // namespace velkor::component
