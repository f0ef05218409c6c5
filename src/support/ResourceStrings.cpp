#include "support/ResourceStrings.h"

#include "support/Language.h"
#include "support/StringTable.h"

namespace velkor {

std::string ResourceStrings::get_string(std::int32_t code) {
  if (LoadLanguage("1033")) return GetString(code);
  return std::string(OwnString(code));
}

}  // namespace velkor
