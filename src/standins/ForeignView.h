// ForeignView: a stand-in object as the control sees an outside object in a
// real host, reachable only by member name. The runner's by-name mode hands
// the control views instead of the stand-ins themselves, so that every call
// between the control and the host or a component goes through the typed
// adapters and late binding, as it does across COM.
//
// Objects leave a view unwrapped (the stand-in gets its own objects back,
// and the control's own objects as they are); objects coming back are
// wrapped in views again, except the control's own objects, which the
// control keeps reaching directly, as the COM bridge hands back its own.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/ForeignObject.h"

namespace velkor::sim {

class ForeignView final : public ForeignObject {
 public:
  explicit ForeignView(ObjectPtr inner) : inner_(std::move(inner)) {}

  // A view of `object`: Nothing, a view and one of the control's own objects
  // stay as they are.
  static ObjectPtr Wrap(ObjectPtr object);
  // The stand-in behind a view or an adapter of one; other objects as they are.
  static ObjectPtr Unwrap(const ObjectPtr& object);
  // Whether `object` is the control or one of the small classes it hands
  // out, which no view ever stands in front of.
  static bool IsControlsOwn(const Object& object);

  std::string TypeName() const override { return inner_->TypeName(); }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
  EventSubscription ConnectEvents(EventSink sink) override;
  const void* Identity() const override { return inner_.get(); }

 private:
  ObjectPtr inner_;
};

// A value on its way in (views of objects) and on its way out (the stand-ins
// themselves); one-dimensional arrays are mapped item by item.
Variant ToView(const Variant& value);
Variant FromView(const Variant& value);

}  // namespace velkor::sim
