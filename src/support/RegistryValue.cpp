#include "support/RegistryValue.h"

#include <optional>

#include "platform/Conversions.h"
#include "platform/os/OsServices.h"
#include "platform/os/Registry.h"

namespace velkor {

namespace {

std::unique_ptr<os::RegistryKey> OpenMachineKey(std::string_view keyPath) {
  const auto& registry = os::OsServices().registry;
  if (!registry) return nullptr;
  return registry->Open(os::RegistryRoot::LocalMachine, keyPath, os::RegistryAccess::Full);
}

std::optional<os::RegistryData> DataOf(const Variant& value, std::int32_t type) {
  if (type == kRegString) return CStr(value);
  if (type == kRegDword) return static_cast<std::uint32_t>(CLng(value));
  return std::nullopt;
}

}  // namespace

void SetRegistryValue(std::string_view keyPath, std::string_view valueName, const Variant& value,
                      std::int32_t type) {
  auto key = OpenMachineKey(keyPath);  // a key that did not open ignores the write
  const auto data = DataOf(value, type);
  if (key && data) key->Write(valueName, *data);
}

}  // namespace velkor
