// ResourceStrings: the published class through which callers outside the
// control (the wizard add-in) obtain texts by id.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "support/StringLookupObject.h"

namespace velkor {

class ResourceStrings : public StringLookupObject {
 public:
  static constexpr std::string_view kProgId = "Velkor.ResourceStrings";

  std::string TypeName() const override { return "ResourceStrings"; }

  // The text of `code` from the 1033 language library when it can be loaded,
  // else from the own table. Loading it replaces the thread's current
  // language object, so later GetString calls answer from it as well.
  std::string get_string(std::int32_t code) override;
};

}  // namespace velkor
