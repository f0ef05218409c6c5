// SlotArgs: the arguments of one late-bound call of a published slot,
// converted to their declared types, with omitted optional arguments filled
// in, ready for the slot's implementation; and the write-back of the
// by-reference ones into the caller's arguments afterwards.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "control/Slots.h"
#include "platform/ErrorNumbers.h"
#include "platform/Variant.h"

namespace velkor::slots {

class SlotArgs {
 public:
  // Raises Wrong number of arguments (450) for more arguments than declared
  // or a required one left out at the end, Argument not optional (449) for a
  // required one passed as Missing, and Type mismatch (13) or Overflow (6)
  // for an argument that does not convert to its declared type.
  SlotArgs(const Slot& slot, std::span<const Variant> given);

  std::size_t size() const { return args_.size(); }

  // The argument at `i` by its declared type; the implementation may change
  // a by-reference one. Asking for another type than declared is an error in
  // the binding and raises Internal error (51).
  Variant& operator[](std::size_t i);  // Variant parameters
  std::string& String(std::size_t i);
  bool& Boolean(std::size_t i);
  std::int32_t& Long(std::size_t i);  // Long and enumeration parameters
  // An Object parameter as interface T: nullptr for Nothing, Type mismatch
  // (13) for an object that does not implement T.
  template <class T>
  std::shared_ptr<T> ObjectAs(std::size_t i);

  // Copies every by-reference argument the caller passed (not Missing) back
  // into `given`, in its declared type.
  void WriteBack(std::span<Variant> given) const;

 private:
  struct Arg {
    Variant value;  // Variant and Object parameters
    std::string text;
    bool flag = false;
    std::int32_t number = 0;
  };

  Arg& At(std::size_t i, BaseType expected);
  Variant TypedValue(std::size_t i) const;

  const Slot& slot_;
  std::vector<Arg> args_;
};

template <class T>
std::shared_ptr<T> SlotArgs::ObjectAs(std::size_t i) {
  const Variant& v = At(i, BaseType::Object).value;
  if (v.IsNothing()) return nullptr;
  auto object = v.ObjectAs<T>();
  if (!object) Raise(err::kTypeMismatch);
  return object;
}

}  // namespace velkor::slots
