// Test helpers for the runtime's errors and objects.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Object.h"
#include "platform/VbError.h"

namespace velkor::platform_test {

// The number of the VbError `f` raises, 0 when it completes; `description`
// receives the error's text.
template <class F>
std::int32_t RaisedNumber(F&& f, std::string* description = nullptr) {
  try {
    f();
  } catch (const VbError& e) {
    if (description) *description = e.description();
    return e.number();
  }
  return 0;
}

// An object whose default member holds a value, like a host's cell.
class ValueObject : public Object {
 public:
  explicit ValueObject(Variant value) : value_(std::move(value)) {}
  std::string TypeName() const override { return "Range"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    if (member.empty() && kind == InvokeKind::PropertyGet) return value_;
    return Object::Invoke(member, kind, args);
  }

 private:
  Variant value_;
};

// An object with no members at all.
class PlainObject : public Object {
 public:
  std::string TypeName() const override { return "Plain"; }
};

}  // namespace velkor::platform_test
