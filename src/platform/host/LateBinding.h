// Table-driven late binding for the host object model: each interface lists
// its members once and Invoke looks them up by name, as the runtime's
// IDispatch does.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Object.h"
#include "platform/Variant.h"

namespace velkor::host::late {

struct Member {
  std::string_view name;
  std::size_t minArgs = 0;  // arguments of a call or a property read
  std::size_t maxArgs = 0;
  // A method call or property read; empty for a write-only property.
  std::function<Variant(std::span<Variant>)> read;
  // A property write: the index arguments, then the value; empty when read-only.
  std::function<void(std::span<Variant>, const Variant&)> write = {};
};

// Calls member `name` (letter case ignored). Raises Object doesn't support
// this property or method (438) for an unknown member or a kind it lacks, and
// Wrong number of arguments (450) for a count outside its range.
Variant Dispatch(std::span<const Member> members, std::string_view name, InvokeKind kind,
                 std::span<Variant> args);

// Argument `i`, or Missing when the caller passed fewer.
const Variant& Arg(std::span<Variant> args, std::size_t i);

// A member that takes no argument and returns `read()`.
template <class Read>
Member Getter(std::string_view name, Read read) {
  return Member{name, 0, 0, [read](std::span<Variant>) { return Variant(read()); }};
}

// A property with no index argument, read through `read` and written through `write`.
template <class Read, class Write>
Member Property(std::string_view name, Read read, Write write) {
  return Member{name, 0, 0, [read](std::span<Variant>) { return Variant(read()); },
                [write](std::span<Variant>, const Variant& value) { write(value); }};
}

// A method that takes no argument and returns nothing.
template <class Call>
Member Action(std::string_view name, Call call) {
  return Member{name, 0, 0, [call](std::span<Variant>) {
                  call();
                  return Variant();
                }};
}

// The items of a collection as its "_NewEnum" member answers by name: a
// 0-based array of the objects, the form a caller across COM receives.
template <class T>
Variant Items(const std::vector<std::shared_ptr<T>>& objects) {
  std::vector<Variant> items(objects.begin(), objects.end());
  return Variant(SafeArray(std::move(items), 0));
}

// An object of the model that callers reach only by name, on the way to a
// member of its owner: the rows or columns of a range (Rows.Count), one
// column or row of a sheet (Columns(3).ColumnWidth). Its members hold what
// they need of the owner.
class PartObject final : public Object {
 public:
  PartObject(std::string typeName, std::vector<Member> members)
      : typeName_(std::move(typeName)), members_(std::move(members)) {}
  std::string TypeName() const override { return typeName_; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    return Dispatch(members_, member, kind, args);
  }

 private:
  std::string typeName_;
  std::vector<Member> members_;
};

}  // namespace velkor::host::late
