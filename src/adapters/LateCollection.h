// Pieces the host adapters share: the items of a collection, fetched through
// its "_NewEnum" member, and the small intermediate objects of the host's
// model (Rows, Columns(n)) that an adapter reads a value from on its way.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "adapters/LateObject.h"

namespace velkor::adapters {

// Collection interface I over a foreign object.
template <class I>
class LateCollection : public Adapted<I> {
 public:
  using Adapted<I>::Adapted;

 protected:
  // The items as interface T. Across COM and from the stand-ins alike,
  // "_NewEnum" answers with a one-dimensional array of the items; anything
  // else, or an item that is no T, is a Type mismatch (13).
  template <class T>
  std::vector<std::shared_ptr<T>> EnumerateAs() const {
    const Variant all = this->Call("_NewEnum");
    if (!all.IsArray() || all.AsArray().Dimensions() != 1) Raise(err::kTypeMismatch);
    std::vector<std::shared_ptr<T>> items;
    items.reserve(all.AsArray().size());
    for (const Variant& item : all.AsArray().items())
      items.push_back(LateObject::template As<T>(item));
    return items;
  }
};

// An object that an adapter reaches on the way to a value, such as the
// Rows of a range for their Count. Nothing there is Object not set (91);
// a value that is no object, a Type mismatch (13).
class LatePart final : public LateObject {
 public:
  explicit LatePart(const Variant& part) : LateObject(Checked(part)) {}
  using LateObject::Get;
  using LateObject::Let;

 private:
  static ObjectPtr Checked(const Variant& part) {
    if (!part.IsObject()) Raise(err::kTypeMismatch);
    if (!part.AsObject()) RaiseObjectNotSet();
    return part.AsObject();
  }
};

}  // namespace velkor::adapters
