#include "adapters/host/LateLanguageSettings.h"

#include "platform/Conversions.h"

namespace velkor::adapters {

std::int32_t LateLanguageSettings::LanguageID(std::int32_t selector) const {
  return CLng(Get("LanguageID", selector));
}

}  // namespace velkor::adapters
