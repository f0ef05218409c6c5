#include "standins/ForeignView.h"

#include <vector>

#include "control/ExcelTrendWizard.h"
#include "control/PublishedTypes.h"

namespace velkor::sim {

namespace {

template <class Map>
Variant MapObjects(const Variant& value, Map map) {
  if (value.IsObject()) return Variant(map(value.AsObject()));
  if (!value.IsArray() || value.AsArray().Dimensions() != 1) return value;
  const SafeArray& array = value.AsArray();
  std::vector<Variant> items;
  items.reserve(array.size());
  for (const Variant& item : array.items())
    items.push_back(item.IsObject() ? Variant(map(item.AsObject())) : item);
  return Variant(SafeArray(std::move(items), array.LBound()));
}

}  // namespace

bool ForeignView::IsControlsOwn(const Object& object) {
  if (dynamic_cast<const ExcelTrendWizard*>(&object)) return true;
  return slots::FindPublishedClass(object.TypeName()) != nullptr;
}

ObjectPtr ForeignView::Wrap(ObjectPtr object) {
  if (!object || dynamic_cast<const ForeignObject*>(object.get()) ||
      dynamic_cast<const Adapter*>(object.get()) || IsControlsOwn(*object))
    return object;
  return std::make_shared<ForeignView>(std::move(object));
}

ObjectPtr ForeignView::Unwrap(const ObjectPtr& object) {
  ObjectPtr inner = Underlying(object);
  if (auto* view = dynamic_cast<ForeignView*>(inner.get())) return view->inner_;
  return inner;
}

Variant ToView(const Variant& value) {
  return MapObjects(value, &ForeignView::Wrap);
}

Variant FromView(const Variant& value) {
  return MapObjects(value, &ForeignView::Unwrap);
}

// Every argument may be written back by the callee, as a by-reference
// argument across COM is; what comes back is wrapped like a result.
Variant ForeignView::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  std::vector<Variant> inner;
  inner.reserve(args.size());
  for (const Variant& arg : args) inner.push_back(FromView(arg));
  Variant result = inner_->Invoke(member, kind, inner);
  for (std::size_t i = 0; i < args.size(); ++i)
    if (!args[i].IsObject()) args[i] = ToView(inner[i]);
  return ToView(result);
}

EventSubscription ForeignView::ConnectEvents(EventSink sink) {
  return inner_->ConnectEvents(
      [sink = std::move(sink)](std::string_view event, std::span<Variant> args) {
        std::vector<Variant> outside;
        outside.reserve(args.size());
        for (const Variant& arg : args) outside.push_back(ToView(arg));
        sink(event, outside);
        for (std::size_t i = 0; i < args.size(); ++i)
          if (!args[i].IsObject()) args[i] = FromView(outside[i]);
      });
}

}  // namespace velkor::sim
