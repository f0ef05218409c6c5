// StringLookupObject: an automation object with the language objects' one
// method, "get_string"(Long id) -> String, reachable late-bound by name.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Object.h"

namespace velkor {

class StringLookupObject : public Object {
 public:
  // "get_string" with exactly one argument, converted with CLng; a wrong
  // count raises 450, other members 438.
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

  virtual std::string get_string(std::int32_t code) = 0;
};

}  // namespace velkor
