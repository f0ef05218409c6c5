// ConnectionLists: the lists behind EnumConnectionPoints and EnumConnections.
// Each list holds a reference on every element until the last enumerator
// sharing it is gone; each element handed to a caller carries one more.
#pragma once

#include <ocidl.h>

#include <memory>
#include <vector>

#include "com/bridge/ListEnumerator.h"

namespace velkor::com {

template <>
struct EnumItem<IConnectionPoint*> {
  static void Hold(IConnectionPoint* point) { point->AddRef(); }
  static void Drop(IConnectionPoint* point) { point->Release(); }
  static void GiveOut(IConnectionPoint* point, IConnectionPoint*& out) {
    Hold(point);
    out = point;
  }
  static void TakeBack(IConnectionPoint*& out) { Drop(out); }
};

template <>
struct EnumItem<CONNECTDATA> {
  static void Hold(const CONNECTDATA& data) { data.pUnk->AddRef(); }
  static void Drop(const CONNECTDATA& data) { data.pUnk->Release(); }
  static void GiveOut(const CONNECTDATA& data, CONNECTDATA& out) {
    Hold(data);
    out = data;
  }
  static void TakeBack(CONNECTDATA& out) { Drop(out); }
};

// `items` as a list that holds its elements.
template <class Item>
std::shared_ptr<const std::vector<Item>> HeldList(std::vector<Item> items) {
  for (const auto& item : items) EnumItem<Item>::Hold(item);
  return std::shared_ptr<const std::vector<Item>>(new std::vector<Item>(std::move(items)),
                                                  [](const std::vector<Item>* list) {
                                                    for (const auto& item : *list)
                                                      EnumItem<Item>::Drop(item);
                                                    delete list;
                                                  });
}

// An enumerator of `Enum` over `items`; nullptr when memory is short.
template <class Enum, class Item>
Enum* EnumerateHeld(std::vector<Item> items, REFIID iid) {
  return ListEnumerator<Enum, Item, Item>::Make(HeldList(std::move(items)), iid);
}

}  // namespace velkor::com
