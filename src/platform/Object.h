// Object: an automation object, reachable early-bound through its C++
// interfaces and late-bound by member name.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/Variant.h"

namespace velkor {

enum class InvokeKind { Method, PropertyGet, PropertyLet, PropertySet };

class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;

  // The class name the runtime's TypeName() gives for the object.
  virtual std::string TypeName() const = 0;

  // Late-bound call of a member by name (letter case ignored). Arguments come
  // in declaration order; an omitted optional one is Variant::Missing().
  // By-reference arguments are written back into `args`. The default raises
  // Object doesn't support this property or method (438).
  virtual Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args);
};

// Raises Object variable or With block variable not set (91) when `p` is
// empty; returns it otherwise. For members that may hold Nothing.
template <class T>
T& Deref(const std::shared_ptr<T>& p);

[[noreturn]] void RaiseObjectNotSet();

template <class T>
T& Deref(const std::shared_ptr<T>& p) {
  if (!p) RaiseObjectNotSet();
  return *p;
}

}  // namespace velkor
