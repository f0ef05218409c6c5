#include "com/server/BagAdapter.h"

#include "com/bridge/Bstr.h"
#include "com/bridge/ErrorBridge.h"
#include "com/bridge/VariantBridge.h"
#include "com/server/MemoryBag.h"

namespace velkor::com {

Variant BagAdapter::ReadProperty(std::string_view name, const Variant& defaultValue) {
  const std::wstring key = ToWide(name);
  ComVariant value;  // VT_EMPTY: the bag answers with the type it stored
  if (FAILED(bag_->Read(key.c_str(), value.get(), errorLog_))) return defaultValue;
  return value.value();
}

void BagAdapter::WriteProperty(std::string_view name, const Variant& value,
                               const Variant& defaultValue) {
  if (EqualsDefault(value, defaultValue)) return;
  const std::wstring key = ToWide(name);
  ComVariant converted(value);
  Check(bag_->Write(key.c_str(), converted.get()));
}

}  // namespace velkor::com
