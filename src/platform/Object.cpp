#include "platform/Object.h"

#include "platform/ErrorNumbers.h"

namespace velkor {

Variant Object::Invoke(std::string_view, InvokeKind, std::span<Variant>) {
  Raise(err::kNoSupport);
}

EventSubscription Object::ConnectEvents(EventSink) {
  Raise(err::kNoSupport);
}

void RaiseObjectNotSet() {
  Raise(err::kObjectNotSet);
}

}  // namespace velkor
