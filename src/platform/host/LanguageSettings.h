// LanguageSettings: the host's language choices (user interface, help, ...).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Object.h"

namespace velkor::host {

class LanguageSettings : public Object {
 public:
  std::string TypeName() const override { return "LanguageSettings"; }

  // The locale identifier for a selector such as kMsoLanguageIdUI (2).
  virtual std::int32_t LanguageID(std::int32_t selector) const = 0;

  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
};

}  // namespace velkor::host
