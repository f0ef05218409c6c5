// ItemCollection: the ordered, keyless collection behind ZaltPoints and
// Servers. Items keep the order they were added in; positions are 1-based.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "model/CollectionIndex.h"
#include "model/LateBound.h"
#include "platform/Object.h"

namespace velkor {

template <class Item>
class ItemCollection : public Object {
 public:
  using ItemPtr = std::shared_ptr<Item>;

  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  // Removes the item at `index`; later items move up one position.
  void Delete(const Variant& index) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(ItemOffset(index, items_.size())));
  }
  ItemPtr item(const Variant& index) const { return items_[ItemOffset(index, items_.size())]; }
  // What a late-bound for-each walks: the items in order, as a 0-based
  // array taken now, so a loop that deletes items still sees each one once.
  Variant NewEnum() const {
    return Variant(SafeArray(std::vector<Variant>(items_.begin(), items_.end())));
  }

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    if (!IsRead(kind)) return Object::Invoke(member, kind, args);
    if (IsMember(member, "Add")) return InvokeAdd(args);
    if (IsMember(member, "Count")) {
      RequireArgs(args, 0);
      return Variant(Count());
    }
    if (IsMember(member, "Delete")) {
      RequireArgs(args, 1);
      Delete(args[0]);
      return {};
    }
    if (IsMember(member, "item") || (member.empty() && ItemIsDefaultMember())) {
      RequireArgs(args, 1);
      return Variant(item(args[0]));
    }
    if (IsMember(member, "NewEnum") || IsMember(member, "_NewEnum")) {
      RequireArgs(args, 0);
      return NewEnum();
    }
    return Object::Invoke(member, kind, args);
  }

 protected:
  ItemPtr Append(ItemPtr item) {
    items_.push_back(item);
    return item;
  }
  // Add with the arguments as passed late-bound.
  virtual Variant InvokeAdd(std::span<Variant> args) = 0;
  // Whether an unnamed member call ("" as the name) reaches item.
  virtual bool ItemIsDefaultMember() const = 0;

 private:
  std::vector<ItemPtr> items_;
};

}  // namespace velkor
