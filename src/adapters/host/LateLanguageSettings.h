// The host's language choices over a foreign object.
#pragma once

#include "adapters/LateObject.h"
#include "platform/host/LanguageSettings.h"

namespace velkor::adapters {

class LateLanguageSettings final : public Adapted<host::LanguageSettings> {
 public:
  using Adapted::Adapted;

  std::int32_t LanguageID(std::int32_t selector) const override;
};

}  // namespace velkor::adapters
